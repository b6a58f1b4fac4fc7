#pragma once

#include <cstdint>
#include <string>

namespace zofar {

/// The filter criteria; selection/CriterionTable.h says what each member is and where it is
/// stored. Member names are the settings keys. Frequencies are in kHz. The defaults are those of a
/// newly created document; the settings reader applies its own defaults for missing keys.
struct FilterCriteria {
    uint32_t BFFrequency = 0;
    uint32_t BFStation = 0;
    uint32_t BFCountry = 0;
    uint32_t BFItu = 0;
    uint32_t BFLanguage = 0;
    uint32_t BFTargetarea = 0;
    uint32_t BFDay = 0;
    uint32_t BFOnair = 0;
    uint32_t BFTime = 0;
    uint32_t BFStatus = 0;
    uint32_t BFP = 0;
    uint32_t BFStn = 0;
    uint32_t BFLc = 0;
    uint32_t BFLocation = 0;
    uint32_t BFExactMatch = 0;
    uint32_t BFOnairNow = 0;
    double FFrequency1 = 0.0;
    double FFrequency2 = 1000000.0;
    std::string FStation;
    std::string FCountry;
    std::string FItu;
    std::string FLanguage;
    std::string FTargetarea;
    std::string FDay;
    std::string FStart;
    std::string FEnd;
    std::string FStatus;
    std::string FP;
    std::string FStn;
    std::string FLc;
    std::string FLocation;
    std::string FOnairTime;

    bool operator==(const FilterCriteria&) const = default;

    /// The on-air criterion is active and follows the clock.
    bool OnAirNowActive() const { return BFOnair == 1 && BFOnairNow == 1; }

    /// Switches every criterion off; the match mode, the on-air mode and every value stay.
    void ClearCriterionFlags();
};

}  // namespace zofar
