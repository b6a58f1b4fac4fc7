#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace zofar {

/// One transmitter site of HFCC's site table.
struct HfccSite {
    std::string name;       ///< UTF-8
    std::string adm;        ///< the administration it lies in
    std::string latitude;   ///< "52N08", or "" when the table gives no position that reads
    std::string longitude;  ///< "004E38", or ""
};

/// The HFCC code tables a schedule's names come from. Every table is fixed-width text in code
/// page 1252; lines beginning with ";" are comments; the first entry of a code wins; codes
/// compare exactly, without their blanks.
class HfccCodeTables {
public:
    static constexpr std::string_view kSites = "site.txt";
    static constexpr std::string_view kBroadcasters = "broadcas.txt";
    static constexpr std::string_view kAdministrations = "admin.txt";
    static constexpr std::string_view kLanguages = "language.txt";
    static constexpr std::array<std::string_view, 4> kFileNames = {kSites, kBroadcasters, kAdministrations, kLanguages};

    /// The tables from their files' bytes, by file name (kFileNames); a missing one is empty.
    static HfccCodeTables Parse(const std::map<std::string, std::string>& files);

    /// site.txt: code 1-3, name 5-34, administration 36-38, latitude 40-44, longitude 46-51.
    void ParseSites(std::string_view bytes);
    /// broadcas.txt: code 1-3, name from 5 to the line's end.
    void ParseBroadcasters(std::string_view bytes);
    /// admin.txt: code 1-3, English name 5-54.
    void ParseAdministrations(std::string_view bytes);
    /// language.txt: the code from the line's first character to the first blank, the name after
    /// the blanks that follow it, up to a tab, two blanks or the line's end (further columns are
    /// not read). A line beginning with a blank has no code.
    void ParseLanguages(std::string_view bytes);

    /// nullptr for a code the table lacks; the pointers live as long as the tables.
    const HfccSite* Site(std::string_view code) const;
    const std::string* BroadcasterName(std::string_view code) const;
    const std::string* AdministrationName(std::string_view code) const;
    const std::string* LanguageName(std::string_view code) const;

    std::size_t SiteCount() const { return sites_.size(); }
    std::size_t LanguageCount() const { return languages_.size(); }

private:
    using NameMap = std::map<std::string, std::string, std::less<>>;

    std::map<std::string, HfccSite, std::less<>> sites_;
    NameMap broadcasters_;
    NameMap administrations_;
    NameMap languages_;
};

}  // namespace zofar
