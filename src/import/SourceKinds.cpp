#include "import/SourceKinds.h"

#include <array>

#include "import/AokiImporter.h"
#include "import/EibiImporter.h"
#include "import/HfccImporter.h"
#include "import/IlgDbaseImporter.h"
#include "import/IlgTextImporter.h"

namespace zofar {

namespace {

std::optional<std::string> ImportIlgTextKind(const SourceImport& s) {
    if (!ImportIlgText(s.sourceFolder, s.sourceFileName, s.sink, s.ui)) return std::nullopt;
    return std::string();
}

std::optional<std::string> ImportIlgDbaseKind(const SourceImport& s) {
    if (!ImportIlgDbase(s.sourceFolder, s.sourceFileName, s.sink, s.ui, s.errors)) return std::nullopt;
    return std::string();
}

// The schedules have lines the import cannot read; the user learns how many.
std::optional<std::string> Summary(const EibiImportResult& result) {
    if (!result.ok) return std::nullopt;
    return EibiImportSummary(result);
}

std::optional<std::string> ImportEibiKind(const SourceImport& s) {
    return Summary(ImportEibiCsv(s.Path(), s.codesPath, s.sink, s.ui));
}

std::optional<std::string> ImportHfccKind(const SourceImport& s) {
    return Summary(ImportHfcc(s.Path(), s.codesPath, s.sink, s.ui));
}

std::optional<std::string> ImportAokiKind(const SourceImport& s) {
    return Summary(ImportAoki(s.Path(), s.codesPath, s.sink, s.ui));
}

constexpr std::string_view kIlgTitle = "ZOFAR Select an ILG File";
constexpr std::string_view kTableFolderHelp =
    "a folder with the tables site.txt, broadcas.txt, admin.txt and language.txt (default: in the zip, "
    "or beside LIST)";

const std::array<SourceKind, 5> kKinds = {{
    {"TEXT File", "ILG Text File", kIlgTitle, "ILG Files (*.txt)", "text", ".txt", nullptr, CodesArgument::None, "", false,
     false, ImportIlgTextKind},
    {"DBASE File", "ILG dBASE File", kIlgTitle, "ILG Files (*.dbf)", "dbase", ".dbf", nullptr, CodesArgument::None, "", false,
     false, ImportIlgDbaseKind},
    {"EiBi CSV File", "EiBi CSV File", "ZOFAR Select an EiBi File", "EiBi Files (*.csv)", "eibi", ".csv", nullptr,
     CodesArgument::File, "EiBi's README.TXT with the names of the codes (default: the one beside LIST)", true, true,
     ImportEibiKind},
    {"HFCC Schedule", "HFCC Schedule", "ZOFAR Select an HFCC Schedule", "HFCC Schedules (*.zip *.txt)", "hfcc",
     ".zip .txt", HoldsHfccSchedule, CodesArgument::Folder, kTableFolderHelp, true, true, ImportHfccKind},
    {"Aoki (NDXC) List", "Aoki (NDXC) List", "ZOFAR Select an Aoki List", "Aoki Lists (*.zip *.txt)", "aoki",
     ".zip .txt", HoldsAokiList, CodesArgument::Folder,
     "a folder with HFCC's admin.txt for the country names (default: in the zip, or beside LIST)", true, true,
     ImportAokiKind},
}};

}  // namespace

std::span<const SourceKind> SourceKinds() { return kKinds; }

const SourceKind& SourceKindOf(int id) {
    if (id < 0 || id >= static_cast<int>(kKinds.size())) return kKinds[kDefaultSourceKind];
    return kKinds[static_cast<std::size_t>(id)];
}

std::optional<int> SourceKindNamed(std::string_view name) {
    for (std::size_t k = 0; k < kKinds.size(); ++k) {
        if (kKinds[k].commandName == name) return static_cast<int>(k);
    }
    return std::nullopt;
}

}  // namespace zofar
