// The settings file read from any bytes, then written and read again: every value comes back as
// it was read, as far as one line of the file can hold it (the frequencies as their one-decimal
// text gives them, a carriage return inside a text as a blank), whether the file is written over
// the one read, with its other lines, or into an empty one.
#include <string>

#include "FuzzSupport.h"
#include "base/IniFile.h"
#include "document/SettingsFile.h"
#include "base/TextRules.h"

using namespace zofar;

namespace {

double AsStored(double value) {
    std::string text = FormatOneDecimal(value);
    double stored = 0.0;
    fuzz::Check(ParseNumberText(text, stored), "a written frequency does not read back");
    return stored;
}

// A value is one line: a carriage return the reader left inside a text is written as a blank.
void AsWritten(std::string& text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
}

DocumentSettings Reread(const IniFile& written) {
    DocumentSettings settings;
    LoadSettings(IniFile::FromText(written.Text()), settings);
    return settings;
}

struct Placement {
    bool loaded = false;
    WindowPlacement placement;
    bool toolbar = true;
    bool statusbar = true;

    bool operator==(const Placement&) const = default;
};

Placement ReadPlacement(const IniFile& ini) {
    Placement p;
    p.loaded = LoadWindowPlacement(ini, p.placement, p.toolbar, p.statusbar);
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    IniFile ini = IniFile::FromText(fuzz::Bytes(data, size));
    DocumentSettings read;
    LoadSettings(ini, read);

    DocumentSettings expected = read;
    expected.criteria.FFrequency1 = AsStored(read.criteria.FFrequency1);
    expected.criteria.FFrequency2 = AsStored(read.criteria.FFrequency2);
    FilterCriteria& c = expected.criteria;
    for (std::string* text : {&expected.applicationName, &expected.database, &expected.sort, &c.FStation, &c.FCountry,
                              &c.FItu, &c.FLanguage, &c.FTargetarea, &c.FDay, &c.FStart, &c.FEnd, &c.FStatus, &c.FP,
                              &c.FStn, &c.FLc, &c.FLocation, &c.FOnairTime}) {
        AsWritten(*text);
    }

    SaveSettings(ini, read);
    fuzz::Check(Reread(ini) == expected, "settings written over the file read back otherwise");
    IniFile fresh;
    SaveSettings(fresh, read);
    fuzz::Check(Reread(fresh) == expected, "settings written into an empty file read back otherwise");

    const Placement placement = ReadPlacement(ini);
    if (placement.loaded) {
        IniFile window;
        SaveWindowPlacement(window, placement.placement, placement.toolbar, placement.statusbar);
        fuzz::Check(ReadPlacement(IniFile::FromText(window.Text())) == placement,
                    "the window placement reads back otherwise");
    }
    return 0;
}
