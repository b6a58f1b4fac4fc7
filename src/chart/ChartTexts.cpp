#include "chart/ChartTexts.h"

#include <cstdio>

namespace zofar {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string FreqText(double khz) {
    char text[32];
    std::snprintf(text, sizeof text, "%g kHz", khz);
    return text;
}

}  // namespace

std::string MinuteText(int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", (minute / 60) % 100, minute % 60);
    return text;
}

std::string BarToolTipText(const ChartRecord& record) {
    std::string text = Trimmed(record.station) + "\n" + MinuteText(record.startMinute) + "-" +
                       MinuteText(record.endMinute) + " UTC  " + FreqText(record.freqKhz);
    if (const std::string language = Trimmed(record.language); !language.empty()) text += "\nLanguage: " + language;
    if (const std::string target = Trimmed(record.target); !target.empty()) text += "\nTarget: " + target;
    return text;
}

std::string ComingUpText(const ChartRecord& record, int minutesLeft) {
    std::string text = "in " + std::to_string(minutesLeft) + " min  " + MinuteText(record.startMinute) + "  " +
                       FreqText(record.freqKhz) + "  " + Trimmed(record.station);
    const std::string language = Trimmed(record.language);
    const std::string target = Trimmed(record.target);
    if (!language.empty() || !target.empty()) {
        text += "  (" + language;
        if (!language.empty() && !target.empty()) text += ", ";
        text += target + ")";
    }
    return text;
}

}  // namespace zofar
