// The settings file with the extra fields: older files load, and a layout or column choice that
// leaves the extra fields alone writes what older versions wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "document/SettingsFile.h"

namespace zofar {
namespace {

DocumentSettings LoadFrom(const std::string& text) {
    DocumentSettings settings;
    LoadSettings(IniFile::FromText(text), settings);
    return settings;
}

IniFile Saved(const DocumentSettings& settings) {
    IniFile ini;
    SaveSettings(ini, settings);
    return ini;
}

size_t NumberCount(const std::string& list) {
    return static_cast<size_t>(std::count(list.begin(), list.end(), ',')) + 1;
}

TEST(ExtraColumnSettings, aLayoutOfTwentyFourNumbersPutsTheExtraFieldsAfterInFieldOrder) {
    std::string order = "1,0";
    for (int i = 2; i < kFieldCount; ++i) order += "," + std::to_string(i);
    const DocumentSettings s = LoadFrom("[Settings]\nColumnOrder=" + order + "\nColumnWidths=50,60\n");
    EXPECT_EQ(s.layout.order[0], 1);
    EXPECT_EQ(s.layout.order[1], 0);
    for (int f = kFieldCount; f < kAllFieldCount; ++f) {
        EXPECT_EQ(s.layout.order[static_cast<size_t>(f)], f);
        EXPECT_EQ(s.layout.widths[static_cast<size_t>(f)], -1);
    }
}

TEST(ExtraColumnSettings, onlyAMovedOrResizedExtraFieldWritesMoreThanTwentyFourNumbers) {
    DocumentSettings s;
    std::swap(s.layout.order[0], s.layout.order[5]);
    s.layout.widths[3] = 70;
    IniFile ini = Saved(s);
    EXPECT_EQ(NumberCount(ini.GetString("Settings", "ColumnOrder", "")), 24u);
    EXPECT_EQ(NumberCount(ini.GetString("Settings", "ColumnWidths", "")), 24u);
    EXPECT_EQ(LoadFrom(ini.Text()).layout, s.layout);

    // VALIDFROM dragged before FREQ, DISTANCE widened.
    for (int& rank : s.layout.order) {
        if (rank < kValidFromField) ++rank;
    }
    s.layout.order[kValidFromField] = 0;
    s.layout.widths[kDistanceField] = 90;
    ini = Saved(s);
    EXPECT_EQ(NumberCount(ini.GetString("Settings", "ColumnOrder", "")), static_cast<size_t>(kAllFieldCount));
    EXPECT_EQ(NumberCount(ini.GetString("Settings", "ColumnWidths", "")), static_cast<size_t>(kAllFieldCount));
    EXPECT_EQ(LoadFrom(ini.Text()).layout, s.layout);
}

TEST(ExtraColumnSettings, extraFieldsAreLeftOutOfTheOutputUntilTicked) {
    const DocumentSettings old = LoadFrom("[Output]\nClipbColumnSel=0,1\nPrintColumnSel=1\n");
    EXPECT_FALSE(old.output.clipbColumns[0]);
    EXPECT_TRUE(old.output.clipbColumns[23]);
    EXPECT_FALSE(old.output.clipbColumns[kValidFromField]);
    EXPECT_FALSE(old.output.printColumns[kDistanceField]);
    EXPECT_EQ(NumberCount(Saved(old).GetString("Output", "ClipbColumnSel", "")), 24u);

    DocumentSettings ticked;
    ticked.output.clipbColumns[kValidFromField] = true;
    const IniFile ini = Saved(ticked);
    EXPECT_EQ(NumberCount(ini.GetString("Output", "ClipbColumnSel", "")), static_cast<size_t>(kAllFieldCount));
    EXPECT_EQ(NumberCount(ini.GetString("Output", "PrintColumnSel", "")), 24u);
    EXPECT_EQ(LoadFrom(ini.Text()).output, ticked.output);
}

TEST(ExtraColumnSettings, aDatabasesOwnLayoutHasASectionNamedAfterIt) {
    DocumentSettings s;
    ColumnLayout own;
    std::swap(own.order[0], own.order[kValidFromField]);
    own.widths[1] = 4;  // hidden, and the narrowest width the file keeps
    s.databaseLayouts.emplace("EIBI A26", own);
    const IniFile ini = Saved(s);
    EXPECT_FALSE(ini.GetString("Layout EIBI A26", "ColumnOrder", "").empty());
    EXPECT_EQ(LoadDatabaseLayout(ini, "EIBI A26"), own);
    EXPECT_FALSE(LoadDatabaseLayout(ini, "ILG"));
    EXPECT_EQ(LoadFrom(ini.Text()).layout, ColumnLayout{}) << "the common layout is not touched";
}

}  // namespace
}  // namespace zofar
