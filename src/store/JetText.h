#pragma once

#include <optional>
#include <string_view>

namespace zofar {

/// Outcome of matching a text against a LIKE pattern.
enum class LikeResult { NoMatch, Match, BadPattern };

/// Matches UTF-8 `text` against a LIKE pattern with the program's wildcards: '*' any run,
/// '?' one character, '#' one digit, "[abc]", "[a-z]", "[!abc]"; letters compare without
/// regard to case. `escape` makes the next pattern character literal. An unclosed '[' is a
/// bad pattern.
LikeResult MatchLike(std::string_view pattern, std::string_view text, std::optional<char32_t> escape = std::nullopt);

/// The general case-insensitive order of Western texts: punctuation before digits before
/// letters, accented letters beside their base letter, letter case ignored. Returns <0, 0, >0.
int CompareGeneral(std::string_view a, std::string_view b);

/// True when the texts differ at most in letter case (ASCII and the Latin letters of the
/// Western code page); bytes that are not UTF-8 compare as they are.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace zofar
