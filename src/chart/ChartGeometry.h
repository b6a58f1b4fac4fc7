#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "base/Clock.h"
#include "chart/BandPresets.h"
#include "chart/ChartRecord.h"

namespace zofar {

/// A rectangle in pixels of the device the chart is painted on.
struct PixelRect {
    double left = 0.0, top = 0.0, width = 0.0, height = 0.0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    bool Contains(double x, double y) const { return x >= left && x < Right() && y >= top && y < Bottom(); }
};

/// Minutes of a day a bar covers: from <= to, both 0..1440.
struct MinuteSpan {
    int from = 0;
    int to = 0;
};

/// The spans a record is drawn as: one for a transmission within the day; two for one that
/// runs past midnight (START after END), the second from 00:00, left out when END is 00:00; a
/// START equal to END is one span of no length at START, drawn as a thin mark (the list's
/// marker never counts it as on air, yet the record exists and can be picked).
struct RecordSpans {
    std::array<MinuteSpan, 2> spans{};
    int count = 0;
};
RecordSpans SpansOf(const ChartRecord& record);

/// The plot area inside a drawing of `width` x `height` pixels, leaving room for the kHz labels
/// on the left and the hh:mm labels below.
PixelRect ChartPlotArea(double width, double height);

/// The band chart's coordinates: UTC 00:00 to 24:00 from left to right across the plot, the
/// visible frequency range from the bottom (low) to the top (high).
class ChartGeometry {
public:
    static constexpr int kMinutesPerDay = 1440;
    /// The lowest and highest frequency the chart can show, and the narrowest range it zooms to.
    static constexpr FreqRange kWholeRange{0.0, 30000.0};
    static constexpr double kNarrowestRangeKhz = 5.0;

    ChartGeometry(PixelRect plot, FreqRange range) : plot_(plot), range_(range) {}

    const PixelRect& Plot() const { return plot_; }
    const FreqRange& Range() const { return range_; }

    double XOfMinute(double minute) const { return plot_.left + minute * plot_.width / kMinutesPerDay; }
    double MinuteAtX(double x) const { return (x - plot_.left) * kMinutesPerDay / plot_.width; }
    double YOfFreq(double khz) const {
        return plot_.Bottom() - (khz - range_.lowKhz) * plot_.height / (range_.highKhz - range_.lowKhz);
    }
    double FreqAtY(double y) const {
        return range_.lowKhz + (plot_.Bottom() - y) * (range_.highKhz - range_.lowKhz) / plot_.height;
    }
    /// Whether a frequency is shown; a frequency on either edge is.
    bool Shows(double khz) const { return khz >= range_.lowKhz && khz <= range_.highKhz; }
    /// The now-line's x for a UTC time, to the second.
    double NowLineX(const UtcTime& now) const { return XOfMinute(now.hour * 60 + now.minute + now.second / 60.0); }

    /// The range after a wheel step at `y`: the frequency under `y` stays where it is and the
    /// range's width is multiplied by `factor`, kept inside the whole range and no narrower
    /// than the narrowest.
    FreqRange ZoomedAt(double y, double factor) const;
    /// The range between two heights of a rubber band, as far as the whole range allows;
    /// nothing for a band narrower than the narrowest range.
    std::optional<FreqRange> RangeBetween(double y1, double y2) const;

private:
    PixelRect plot_;
    FreqRange range_;
};

/// One drawn bar: a span of one record, placed in its lane.
struct ChartBar {
    size_t record = 0;  ///< index into the records the layout was made from
    PixelRect rect;
    int lane = 0;
};

/// The bars of a set of records in paint order, with hit testing.
///
/// Packing: records whose frequencies lie less than one lane height apart on the screen (the
/// same frequency, or close ones at this zoom) form a row at the lowest frequency's height.
/// In a row, bars that overlap in time go into lanes stacked upwards, each bar taking the
/// lowest lane free at its start, so up to kMaxLanes overlapping transmissions stay apart;
/// more share the top lane. Every bar is at least kMinBarWidth wide and lies inside the plot.
///
/// Paint order is by lane, then frequency, then start, then record id, whatever the order of
/// the records given; a point on several bars hits the one painted last.
class ChartLayout {
public:
    static constexpr double kLaneHeight = 4.0;
    static constexpr double kBarHeight = 3.0;
    static constexpr double kMinBarWidth = 2.0;
    static constexpr int kMaxLanes = 4;

    ChartLayout(const ChartGeometry& geometry, std::span<const ChartRecord> records);

    const std::vector<ChartBar>& Bars() const { return bars_; }
    /// The record index under a point, taking a point up to one pixel beside a bar as on it.
    std::optional<size_t> HitTest(double x, double y) const;

private:
    std::vector<ChartBar> bars_;
};

}  // namespace zofar
