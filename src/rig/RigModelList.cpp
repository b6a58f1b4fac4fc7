#include "rig/RigModelList.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

namespace zofar {

namespace {

constexpr std::size_t kMaxListBytes = 1024 * 1024;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// Where each column after the number begins, from the header; nothing without a header.
struct Columns {
    std::array<std::size_t, 4> start{};  // manufacturer, model, version, status
    std::size_t end = std::string_view::npos;
};

std::optional<Columns> ReadHeader(std::string_view line) {
    constexpr std::array<std::string_view, 4> names{"Mfg", "Model", "Version", "Status"};
    Columns columns;
    std::size_t from = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto at = line.find(names[i], from);
        if (at == std::string_view::npos) return std::nullopt;
        columns.start[i] = at;
        from = at + names[i].size();
    }
    const auto next = line.find_first_not_of(' ', line.find(' ', from));
    if (next != std::string_view::npos) columns.end = next;
    return columns;
}

std::string_view Cut(std::string_view line, std::size_t from, std::size_t to) {
    if (from >= line.size()) return {};
    return Trim(line.substr(from, to == std::string_view::npos ? std::string_view::npos : to - from));
}

// Splits at runs of two blanks or more.
std::vector<std::string_view> SplitWide(std::string_view text) {
    std::vector<std::string_view> parts;
    text = Trim(text);
    while (!text.empty()) {
        const auto gap = text.find("  ");
        parts.push_back(Trim(text.substr(0, gap)));
        if (gap == std::string_view::npos) break;
        text = Trim(text.substr(gap));
    }
    return parts;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool ContainsIgnoringCase(std::string_view text, std::string_view word) {
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); }) != text.end();
}

}  // namespace

std::vector<RigModel> ParseRigModelList(std::string_view text) {
    text = text.substr(0, kMaxListBytes);
    std::vector<RigModel> models;
    std::optional<Columns> columns;
    while (!text.empty()) {
        const auto lineEnd = text.find('\n');
        const std::string_view line = text.substr(0, lineEnd);
        text = lineEnd == std::string_view::npos ? std::string_view{} : text.substr(lineEnd + 1);

        const std::string_view trimmed = Trim(line);
        int number = 0;
        const auto [stop, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
        if (error != std::errc{} || number <= 0 || (stop != trimmed.data() + trimmed.size() && *stop != ' ')) {
            if (!columns && models.empty()) columns = ReadHeader(line);
            continue;
        }
        RigModel model;
        model.number = number;
        const std::size_t numberEnd = static_cast<std::size_t>(stop - line.data());
        if (columns && numberEnd <= columns->start[0]) {
            const auto& s = columns->start;
            model.manufacturer = Cut(line, s[0], s[1]);
            model.model = Cut(line, s[1], s[2]);
            model.version = Cut(line, s[2], s[3]);
            model.status = Cut(line, s[3], columns->end);
        } else {
            const auto parts = SplitWide(line.substr(numberEnd));
            if (parts.size() > 0) model.manufacturer = parts[0];
            if (parts.size() > 1) model.model = parts[1];
            if (parts.size() > 2) model.version = parts[2];
            if (parts.size() > 3) model.status = parts[3];
        }
        models.push_back(std::move(model));
    }
    return models;
}

bool RigModelMatches(const RigModel& model, std::string_view filter) {
    const std::string number = std::to_string(model.number);
    while (true) {
        filter = Trim(filter);
        if (filter.empty()) return true;
        const auto blank = filter.find(' ');
        const std::string_view word = filter.substr(0, blank);
        if (!ContainsIgnoringCase(number, word) && !ContainsIgnoringCase(model.manufacturer, word) &&
            !ContainsIgnoringCase(model.model, word)) {
            return false;
        }
        if (blank == std::string_view::npos) return true;
        filter = filter.substr(blank);
    }
}

std::string RigModelLabel(const RigModel& model) {
    return std::to_string(model.number) + "  " + model.manufacturer + " " + model.model;
}

}  // namespace zofar
