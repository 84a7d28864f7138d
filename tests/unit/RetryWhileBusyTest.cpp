// The bounded retry of a file another program holds for a moment.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/RetryWhileBusy.h"

namespace zorbel::platform {
namespace {

TEST(RetryWhileBusyTest, RetriesOnlyWhileBusyAndOnlyAsOftenAsAllowed) {
    struct Case {
        std::vector<Attempt> results;  // what the attempts report, in order
        int tries;
        bool succeeds;
        std::string calls;  // "t" an attempt, "p" a pause
    };
    const std::vector<Case> cases{
        {{Attempt::Done}, 5, true, "t"},
        {{Attempt::Busy, Attempt::Busy, Attempt::Done}, 5, true, "tptpt"},
        {{Attempt::Busy, Attempt::Busy, Attempt::Busy}, 3, false, "tptpt"},
        {{Attempt::Busy, Attempt::Failed}, 5, false, "tpt"},
        {{Attempt::Failed}, 5, false, "t"},
    };
    for (const Case& expected : cases) {
        std::string calls;
        std::size_t next = 0;
        const auto tryOnce = [&] {
            calls += 't';
            return expected.results.at(next++);
        };
        const bool succeeded = RetryWhileBusy(expected.tries, tryOnce, [&] { calls += 'p'; });
        EXPECT_EQ(succeeded, expected.succeeds) << calls;
        EXPECT_EQ(calls, expected.calls) << "tries " << expected.tries;
    }
}

}  // namespace
}  // namespace zorbel::platform
