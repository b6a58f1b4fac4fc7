#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "rig/EchoGuard.h"

using namespace zofar;

namespace {

// A step: the bridge tunes (tune > 0), or a poll reads `polled` and expects `reported`.
struct Step {
    std::int64_t tune;
    std::int64_t polled;
    bool reported;
};

void Play(const std::vector<Step>& steps) {
    EchoGuard guard;
    int index = 0;
    for (const Step& step : steps) {
        if (step.tune > 0) {
            guard.NoteOwnTune(step.tune);
        } else {
            EXPECT_EQ(guard.ShouldReport(step.polled), step.reported) << "step " << index;
        }
        ++index;
    }
}

constexpr std::int64_t A = 9420000, B = 6085000, X = 7100000;

}  // namespace

TEST(EchoGuard, aDialChangeIsReportedOnceAndOnlyTheBridgesLastOwnTuneIsHidden) {
    const struct {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"dial changes are reported once per change",
         {{0, A, false}, {0, A, false}, {0, B, true}, {0, B, false}, {0, A, true}}},
        {"the own tune is not echoed even when it reaches the rig late",
         {{0, A, false}, {X, 0, false}, {0, A, false}, {0, X, false}, {0, X, false}}},
        {"turning back to the own tune after another frequency is reported",
         {{0, A, false}, {X, 0, false}, {0, X, false}, {0, B, true}, {0, X, true}}},
        {"only the last own tune is hidden",
         {{0, A, false}, {X, 0, false}, {B, 0, false}, {0, B, false}, {0, X, true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Play(c.steps);
    }
}
