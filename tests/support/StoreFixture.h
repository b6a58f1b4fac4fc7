#pragma once

#include <string>
#include <vector>

#include "store/RecordStore.h"

namespace zofar::test {

/// Collects store errors instead of showing them.
class RecordingReporter : public StoreErrorReporter {
public:
    std::vector<std::string> errors;
    void ReportStoreError(const std::string& description) override { errors.push_back(description); }
};

/// A short way to write test records: the fields most tests care about.
struct Row {
    Row(double f, std::string st, std::string s, std::string e, const char* d = nullptr, std::string c = {},
        std::string lang = {}, std::string i = {})
        : freq(f),
          station(std::move(st)),
          start(std::move(s)),
          end(std::move(e)),
          days(d),
          country(std::move(c)),
          language(std::move(lang)),
          itu(std::move(i)) {}

    double freq = 0.0;
    std::string station;
    std::string start;
    std::string end;
    const char* days = nullptr;  ///< nullptr stores Null
    std::string country;
    std::string language;
    std::string itu;
};

/// Creates `path` as a database holding `rows` in order (UNIQUEID 1, 2, 3 ...).
/// Returns false when the store refused anything.
bool CreateDatabase(const std::string& path, const std::vector<Row>& rows, StoreErrorReporter& reporter);

}  // namespace zofar::test
