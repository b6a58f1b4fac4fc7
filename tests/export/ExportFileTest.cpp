#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "export/ExportChecks.h"
#include "export/ExportFile.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::TempDir;

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

const ExportTable kTable{{"FREQ", "STATION", "MODU", "START", "LANGUAGE"},
                         {{6005.0, std::string("BBC"), std::string("A"), std::string("05:00"), std::string("English")},
                          {FieldValue{}, std::string("No frequency")}}};

constexpr const char* kUserFile =
    "English             ; #00ff00\n\n     4625000; UVB-76 ; AM ; 10000; Utility\n"
    "     6000000; Old ; AM ; 10000; ZOFAR\n";

}  // namespace

TEST(ExportFile, saysHowManyEntriesItWroteToWhichFile) {
    TempDir dir;
    const std::string csv = dir.file("list.csv");
    const ExportOutcome rows = WriteExportFile(kTable, {ExportFormat::Csv, csv});
    EXPECT_TRUE(rows.written);
    EXPECT_EQ(rows.message, "Exported 2 entries to " + csv + ".");
    EXPECT_EQ(Read(csv).substr(0, 36), "FREQ,STATION,MODU,START,LANGUAGE\r\n60");

    const std::string json = dir.file("list.json");
    const ExportOutcome bookmarks = WriteExportFile(kTable, {ExportFormat::Sdrpp, json});
    EXPECT_EQ(bookmarks.message, "Exported 1 entries to " + json + ".") << "the row without a frequency is left out";
    EXPECT_NE(Read(json).find("\"BBC 0500 English\""), std::string::npos);
}

TEST(ExportFile, aFolderThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
    TempDir dir;
    Write(dir.file("plain"), "a file, not a folder");
    for (ExportFormat format : {ExportFormat::Csv, ExportFormat::Gqrx, ExportFormat::Sdrpp}) {
        const std::string path = dir.file("plain") + "/out.csv";
        const ExportOutcome outcome = WriteExportFile(kTable, {format, path, true});
        EXPECT_FALSE(outcome.written);
        EXPECT_EQ(outcome.message, "The file \"" + path +
                                       "\" could not be written.\nPlease check that its folder exists and may be "
                                       "written to.");
    }
    EXPECT_EQ(Read(dir.file("plain")), "a file, not a folder");
}

TEST(ExportFile, gqrxMergeKeepsTheOldFileAsBackup) {
    TempDir dir;
    const std::string path = dir.file("bookmarks.csv");
    Write(path, kUserFile);
    ASSERT_TRUE(WriteExportFile(kTable, {ExportFormat::Gqrx, path, true}).written);
    EXPECT_EQ(Read(path + ".bak"), kUserFile);
    const std::string merged = Read(path);
    EXPECT_NE(merged.find("UVB-76"), std::string::npos);
    EXPECT_EQ(merged.find("Old"), std::string::npos);
    EXPECT_NE(merged.find("BBC 0500 English"), std::string::npos);

    // Without the merge the file is replaced, and the old one still kept.
    ASSERT_TRUE(WriteExportFile(kTable, {ExportFormat::Gqrx, path, false}).written);
    EXPECT_EQ(Read(path).find("UVB-76"), std::string::npos);
    EXPECT_EQ(Read(path + ".bak"), merged);
}

TEST(ExportFile, aBookmarksFileThatCannotBeReadIsNeverMergedInto) {
    TempDir dir;
    const std::string path = dir.file("bookmarks.csv");
    const std::string binary(
        "\x7f"
        "ELF\0\0\x01",
        7);
    Write(path, binary);
    const ExportOutcome outcome = WriteExportFile(kTable, {ExportFormat::Gqrx, path, true});
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.message, "The bookmarks file \"" + path +
                                   "\" cannot be read as a gqrx bookmarks file.\nNothing was written; the file is as "
                                   "it was.");
    EXPECT_EQ(Read(path), binary);
    EXPECT_FALSE(std::filesystem::exists(path + ".bak"));

    std::filesystem::resize_file(path, kMaxBookmarksFileBytes + 1);
    EXPECT_FALSE(WriteExportFile(kTable, {ExportFormat::Gqrx, path, true}).written) << "oversized";
}

TEST(ExportChecks, refuseWhatCannotBeExported) {
    TempDir dir;
    ExportChoices choices;
    choices.checks = {false, true};
    struct Case {
        ExportFormat format;
        std::string path;
        std::vector<bool> checks;
        std::string message;  // empty: accepted
        ExportField focus;
    };
    const Case cases[] = {
        {ExportFormat::Csv, dir.file("a.csv"), {false, true}, "", ExportField::FileName},
        {ExportFormat::Csv,
         "  ",
         {true},
         "No file name!\nPlease enter the name of the file to write.",
         ExportField::FileName},
        {ExportFormat::Sdrpp,
         dir.folder(),
         {true},
         "\"" + dir.folder() + "\" is a folder.\nPlease enter the name of a file.",
         ExportField::FileName},
        {ExportFormat::Gqrx,
         dir.file("no/such.csv"),
         {true},
         "The folder of \"" + dir.file("no/such.csv") + "\" does not exist.\nPlease choose another file.",
         ExportField::FileName},
        {ExportFormat::Csv,
         dir.file("a.csv"),
         {false, false},
         "No column selected for output!\nPlease select at least one column.",
         ExportField::Columns},
        {ExportFormat::Gqrx, dir.file("a.csv"), {false}, "", ExportField::FileName},
    };
    for (const Case& c : cases) {
        choices.format = c.format;
        choices.paths[static_cast<std::size_t>(c.format)] = c.path;
        choices.checks = c.checks;
        const auto problem = CheckExportChoices(choices);
        EXPECT_EQ(problem ? problem->message : "", c.message) << c.path;
        if (problem) {
            EXPECT_EQ(problem->focus, c.focus) << c.path;
        }
    }
}

TEST(ExportChecks, defaultFilesAreInTheHomeFolderAndGqrxsOwnBookmarks) {
    std::map<std::string, std::string> vars{{"HOME", "/home/ann"}};
    const EnvironmentLookup env = [&vars](const std::string& name) -> std::optional<std::string> {
        const auto it = vars.find(name);
        return it == vars.end() ? std::nullopt : std::optional(it->second);
    };
    EXPECT_EQ(DefaultExportPath(ExportFormat::Csv, "EIBI", env), "/home/ann/EIBI.csv");
    EXPECT_EQ(DefaultExportPath(ExportFormat::Sdrpp, "EIBI", env), "/home/ann/EIBI-sdrpp.json");
    EXPECT_EQ(DefaultExportPath(ExportFormat::Gqrx, "EIBI", env), "/home/ann/.config/gqrx/bookmarks.csv");
    vars["XDG_CONFIG_HOME"] = "/cfg";
    EXPECT_EQ(DefaultExportPath(ExportFormat::Gqrx, "EIBI", env), "/cfg/gqrx/bookmarks.csv");
    vars.clear();
    EXPECT_EQ(DefaultExportPath(ExportFormat::Csv, "EIBI", env), "");
}
