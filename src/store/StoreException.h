#pragma once

#include <stdexcept>
#include <string>

namespace zofar {

/// A failing engine call inside the store. It never leaves the store: the store's operations
/// catch it, report its description and return their failure result.
class StoreException : public std::runtime_error {
public:
    StoreException(int code, const std::string& description) : std::runtime_error(description), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

}  // namespace zofar
