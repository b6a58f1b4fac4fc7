#include "chart/ChartGeometry.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace zofar {
namespace {

constexpr double kLeftMargin = 64.0, kRightMargin = 16.0, kTopMargin = 24.0, kBottomMargin = 24.0;
constexpr double kHitSlack = 1.0;

// A span of one record before it has a lane.
struct Piece {
    size_t record;
    double freq;
    int id;
    double y;  // the frequency's height
    double x0, x1;
};

FreqRange KeptInsideWhole(double low, double high) {
    const FreqRange whole = ChartGeometry::kWholeRange;
    const double width = std::min(high - low, whole.highKhz - whole.lowKhz);
    if (low < whole.lowKhz) low = whole.lowKhz;
    if (low + width > whole.highKhz) low = whole.highKhz - width;
    return {low, low + width};
}

}  // namespace

RecordSpans SpansOf(const ChartRecord& record) {
    RecordSpans s;
    if (record.startMinute <= record.endMinute) {
        s.spans[0] = {record.startMinute, record.endMinute};
        s.count = 1;
        return s;
    }
    s.spans[0] = {record.startMinute, ChartGeometry::kMinutesPerDay};
    s.count = 1;
    if (record.endMinute > 0) s.spans[s.count++] = {0, record.endMinute};
    return s;
}

PixelRect ChartPlotArea(double width, double height) {
    return {kLeftMargin, kTopMargin, std::max(1.0, width - kLeftMargin - kRightMargin),
            std::max(1.0, height - kTopMargin - kBottomMargin)};
}

FreqRange ChartGeometry::ZoomedAt(double y, double factor) const {
    const double anchor = FreqAtY(y);
    const double width = std::max(kNarrowestRangeKhz, (range_.highKhz - range_.lowKhz) * factor);
    const double share = std::clamp((anchor - range_.lowKhz) / (range_.highKhz - range_.lowKhz), 0.0, 1.0);
    const double low = anchor - share * width;
    return KeptInsideWhole(low, low + width);
}

std::optional<FreqRange> ChartGeometry::RangeBetween(double y1, double y2) const {
    const double a = FreqAtY(y1), b = FreqAtY(y2);
    const double low = std::max(std::min(a, b), kWholeRange.lowKhz);
    const double high = std::min(std::max(a, b), kWholeRange.highKhz);
    if (high - low < kNarrowestRangeKhz) return std::nullopt;
    return FreqRange{low, high};
}

ChartLayout::ChartLayout(const ChartGeometry& geometry, std::span<const ChartRecord> records) {
    std::vector<Piece> pieces;
    pieces.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const ChartRecord& r = records[i];
        if (!geometry.Shows(r.freqKhz)) continue;
        const double y = geometry.YOfFreq(r.freqKhz);
        const RecordSpans spans = SpansOf(r);
        for (int k = 0; k < spans.count; ++k) {
            const MinuteSpan& span = spans.spans[static_cast<size_t>(k)];
            double x0 = geometry.XOfMinute(span.from);
            double x1 = geometry.XOfMinute(span.to);
            if (x1 - x0 < kMinBarWidth) {
                x1 = std::min(x0 + kMinBarWidth, geometry.Plot().Right());
                x0 = x1 - kMinBarWidth;
            }
            pieces.push_back({i, r.freqKhz, r.id, y, x0, x1});
        }
    }
    // Rows from the lowest frequency up; within a row by start, so lanes fill from the left.
    std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return std::tie(a.freq, a.x0, a.id) < std::tie(b.freq, b.x0, b.id);
    });
    const PixelRect& plot = geometry.Plot();
    bars_.reserve(pieces.size());
    std::vector<Piece*> row;
    std::vector<double> laneEnds;
    auto placeRow = [&] {
        std::stable_sort(row.begin(), row.end(), [](const Piece* a, const Piece* b) {
            return std::tie(a->x0, a->freq, a->id) < std::tie(b->x0, b->freq, b->id);
        });
        const double rowY = row.front()->y;
        laneEnds.clear();
        for (Piece* p : row) {
            int lane = 0;
            while (lane < static_cast<int>(laneEnds.size()) && laneEnds[static_cast<size_t>(lane)] > p->x0) ++lane;
            if (lane == static_cast<int>(laneEnds.size())) {
                if (lane < kMaxLanes) {
                    laneEnds.push_back(p->x1);
                } else {
                    lane = kMaxLanes - 1;
                }
            }
            auto& end = laneEnds[static_cast<size_t>(lane)];
            end = std::max(end, p->x1);
            const double centre = rowY - lane * kLaneHeight;
            const double top = std::clamp(centre - kBarHeight / 2, plot.top, plot.Bottom() - kBarHeight);
            bars_.push_back({p->record, {p->x0, top, p->x1 - p->x0, kBarHeight}, lane});
        }
        row.clear();
    };
    for (Piece& p : pieces) {
        if (!row.empty() && row.front()->y - p.y >= kLaneHeight) placeRow();
        row.push_back(&p);
    }
    if (!row.empty()) placeRow();

    std::sort(bars_.begin(), bars_.end(), [&records](const ChartBar& a, const ChartBar& b) {
        const ChartRecord& ra = records[a.record];
        const ChartRecord& rb = records[b.record];
        return std::tie(a.lane, ra.freqKhz, a.rect.left, ra.id, a.record) <
               std::tie(b.lane, rb.freqKhz, b.rect.left, rb.id, b.record);
    });
}

std::optional<size_t> ChartLayout::HitTest(double x, double y) const {
    for (auto it = bars_.rbegin(); it != bars_.rend(); ++it) {
        const PixelRect& r = it->rect;
        if (x >= r.left - kHitSlack && x <= r.Right() + kHitSlack && y >= r.top - kHitSlack &&
            y <= r.Bottom() + kHitSlack)
            return it->record;
    }
    return std::nullopt;
}

}  // namespace zofar
