#pragma once

#include <stdexcept>
#include <string>

namespace zofar {

/// A dBASE table that cannot be opened or read. It carries a description fit for the store's
/// error reporter and never leaves the importer.
class DbaseError : public std::runtime_error {
public:
    explicit DbaseError(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace zofar
