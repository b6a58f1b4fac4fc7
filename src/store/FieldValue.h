#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace zofar {

/// One value read from the browse set: Null, an integer (UNIQUEID), a double (FREQ) or UTF-8 text.
using FieldValue = std::variant<std::monostate, int64_t, double, std::string>;

inline bool IsNull(const FieldValue& v) { return std::holds_alternative<std::monostate>(v); }

/// The text of a value; "" for Null and for numbers.
inline const std::string& TextOf(const FieldValue& v) {
    static const std::string empty;
    const auto* s = std::get_if<std::string>(&v);
    return s ? *s : empty;
}

}  // namespace zofar
