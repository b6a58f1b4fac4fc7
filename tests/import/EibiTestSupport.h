#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/ImportUi.h"

namespace zofar::test {

/// A README in EiBi's layout with one entry of each kind the tables must read and lines they
/// must pass over.
inline constexpr std::string_view kSmallEibiReadme = R"(D) Codes used.
   I)   Language codes.
   II)  Country codes.
   III) Target-area codes.
   IV)  Transmitter-site codes.

   I) Language codes.

   Numbers are number of speakers. 4m = 4 millions.
   On the right in [brackets] the ISO 639-3 (SIL) language code for reference.
   -CW   Morse Station
   A     Arabic (300m)                                                       [arb]
   D     German: Germany (80m), Austria                                      [deu]
   E     English: UK (60m), USA (225m)                                       [eng]
   F     French: France (53m)                                                [fra]
   SC    Serbocroat [hbs]
   XX    Dialect; see elsewhere
         Fujian: see TW-Taiwanese
   E     Spanish, a second entry of a code
   TOOLONG  Not a code

   II) Country codes.
   Asterisks (*) denote non-official abbreviations

   CHN  China (People's Republic)
   CLA  Clandestine stations *
   D    Germany
   E    Spain
   G    United Kingdom of Great Britain and Northern Ireland

   III) Target-area codes.
   Af  - Africa
   C.. - Central ..
   Eu  - Europe (often including North Africa/Middle East)
   SEA - South East Asia
   Alternatively, ITU country codes may be used if the target area is limited to

   IV) Transmitter site codes.
   The code is used plainly if the transmitter is located within the home country of the station.
   Example: A BBC broadcast, relayed by the transmitters in Samara, Russia, would be designated as "/RUS-s".

   D:   be-Berlin-Britz 52N27-13E26
        n-Nauen 52N38'55"-12E54'33"
        N-Nauen North, 52N39-12E55
        xx-Unknown site
           a note, no site-of its own
   AFS: Meyerton 26S35-28E08 except:
        j-Johannesburg 26S07'40"-28E12'20"
   XUU: Unknown site
)";

/// Records what an import shows instead of showing it.
class RecordingImportUi : public ImportUi {
public:
    std::vector<std::string> messages;
    std::vector<std::string> captions;
    std::vector<std::pair<int, int>> ranges;
    std::vector<int> positions;

    std::unique_ptr<ImportProgress> OpenImportProgress(const std::string& caption) override {
        captions.push_back(caption);
        return std::make_unique<Progress>(*this);
    }
    bool AskYesNo(const std::string&) override { return false; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

private:
    class Progress : public ImportProgress {
    public:
        explicit Progress(RecordingImportUi& ui) : ui_(ui) {}
        void SetRange(int lower, int upper) override { ui_.ranges.emplace_back(lower, upper); }
        void SetPosition(int position) override { ui_.positions.push_back(position); }

    private:
        RecordingImportUi& ui_;
    };
};

}  // namespace zofar::test
