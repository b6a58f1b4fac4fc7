#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zofar {

/// Most characters the go-to text dialog's edit takes.
inline constexpr std::size_t kGoToTextLimit = 50;

/// What the go-to frequency dialog's OK leads to.
struct GoToFrequencyOutcome {
    bool accepted = false;
    double kHz = 0.0;     ///< when accepted
    std::string message;  ///< why not; empty when accepted
};

/// The OK check of the go-to frequency dialog: a number, with a point or a comma, from 0 to
/// 1000000 kHz. "Please enter a number." or "Please enter a number between 0 and 1000000."
GoToFrequencyOutcome CheckGoToFrequency(std::string_view text);

/// The text the frequency edit opens with: 0 kHz, shown as "0".
std::string InitialGoToFrequencyText();

/// The OK check of the go-to text dialog: empty when `text` (UTF-8) has at most
/// kGoToTextLimit characters and no "[" without its "]", else "Please enter no more than 50
/// characters." or the unclosed bracket's message.
std::string CheckGoToText(std::string_view text);

}  // namespace zofar
