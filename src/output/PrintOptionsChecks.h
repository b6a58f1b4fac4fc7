#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zofar {

/// The print dialog's number fields.
enum class PrintOptionField { None, BorderTop, BorderBottom, BorderLeft, BorderRight, FontHeight };

/// The number fields as the user left them.
struct PrintOptionTexts {
    std::string borderTop;
    std::string borderBottom;
    std::string borderLeft;
    std::string borderRight;
    std::string fontHeight;
};

/// What pressing Print or Preview leads to.
struct PrintOptionsOutcome {
    bool accepted = false;
    int borderTop = 0;  ///< the numbers read; meaningful only when accepted
    int borderBottom = 0;
    int borderLeft = 0;
    int borderRight = 0;
    int fontHeight = 0;
    std::string message;  ///< the failure's message; empty when accepted
    PrintOptionField focus = PrintOptionField::None;
};

inline constexpr std::string_view kNotAnIntegerMessage = "Please enter an integer.";
inline constexpr int kLowestBorder = 1;  ///< mm
inline constexpr int kHighestBorder = 50;
inline constexpr int kLowestFontHeight = 2;  ///< points
inline constexpr int kHighestFontHeight = 25;

/// "Please enter an integer between `low` and `high`."
std::string OutOfRangeMessage(int low, int high);

/// A whole number as the dialog's fields take it: an optional sign and digits, blanks and tabs
/// around them allowed. A number too large for int reads as the nearest int, so the range
/// check refuses it. Nothing for any other text, the empty one included.
std::optional<int> ReadDialogInteger(std::string_view text);

/// The checks of the Print and Preview buttons in their order: bottom, left, right and top
/// border (1 to 50 mm), then the font height (2 to 25 points). The first failing field gets
/// the message and the focus.
PrintOptionsOutcome CheckPrintOptions(const PrintOptionTexts& texts);

}  // namespace zofar
