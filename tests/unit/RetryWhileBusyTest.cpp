// The bounded retry of a file another program holds for a moment.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "platform/RetryWhileBusy.h"

namespace zorbel::platform {
namespace {

// Each case: the attempts' reports ('d' done, 'b' busy, 'f' failed), the
// tries allowed, the attempts ('t') and pauses ('p') made, the outcome.
TEST(RetryWhileBusyTest, RetriesOnlyWhileBusyAndOnlyAsOftenAsAllowed) {
    for (const auto& [reports, tries, calls, succeeds] :
         {std::tuple{"d", 5, "t", true}, {"bbd", 5, "tptpt", true}, {"bbb", 3, "tptpt", false}, {"bf", 5, "tpt", false}}) {
        const std::string attempts = reports;
        std::string made;
        const auto tryOnce = [&] {
            const char report = attempts[std::count(made.begin(), made.end(), 't')];
            made += 't';
            return report == 'd' ? Attempt::Done : report == 'b' ? Attempt::Busy : Attempt::Failed;
        };
        EXPECT_EQ(RetryWhileBusy(tries, tryOnce, [&] { made += 'p'; }), succeeds) << reports;
        EXPECT_EQ(made, calls) << reports;
    }
}

}  // namespace
}  // namespace zorbel::platform
