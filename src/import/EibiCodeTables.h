#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zofar {

/// One transmitter site of a country.
struct EibiSite {
    std::string code;       ///< "" for a site listed without a code
    std::string name;       ///< UTF-8, as described, without its position
    std::string latitude;   ///< "52N31", or "" when the description gives no position
    std::string longitude;  ///< "013E22", or ""
};

/// The code tables of EiBi's README: languages, countries (ITU codes), target areas and
/// transmitter sites. Codes compare exactly, letter case included ("Af" is a target area, "AF"
/// a language).
class EibiCodeTables {
public:
    /// Reads the four tables from the README's text (UTF-8). A line that is not an entry of the
    /// section it stands in is skipped; the first entry of a code wins.
    static EibiCodeTables Parse(std::string_view readme);
    /// Reads the README at `path` (UTF-8, or code page 1252 when it is not valid UTF-8; a BOM
    /// is skipped). Nothing when it cannot be read, is not a regular file or exceeds kMaxBytes.
    static std::optional<EibiCodeTables> Load(const std::string& path);

    static constexpr std::size_t kMaxBytes = std::size_t{16} << 20;

    /// The names; nullptr for a code the table lacks. The pointers live as long as the tables.
    const std::string* LanguageName(std::string_view code) const;
    const std::string* CountryName(std::string_view code) const;
    const std::string* TargetName(std::string_view code) const;
    /// Site `code` of `country`; an empty code is the country's first (often its only) site.
    const EibiSite* Site(std::string_view country, std::string_view code) const;

    std::size_t LanguageCount() const { return languages_.size(); }
    std::size_t CountryCount() const { return countries_.size(); }
    std::size_t TargetCount() const { return targets_.size(); }
    std::size_t SiteCountryCount() const { return sites_.size(); }

private:
    using NameMap = std::map<std::string, std::string, std::less<>>;

    NameMap languages_;
    NameMap countries_;
    NameMap targets_;
    std::map<std::string, std::vector<EibiSite>, std::less<>> sites_;
};

}  // namespace zofar
