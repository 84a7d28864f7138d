// Which commands may act, by reception and Rx window content.

#include <gtest/gtest.h>

#include <string>

#include "capture/CommandAvailability.h"

namespace zorbel {
namespace {

constexpr Command kAll[] = {Command::Open, Command::Save,    Command::Search, Command::SearchNext, Command::Print,
                            Command::Exit, Command::ClearRx, Command::Help,   Command::Info};

// One letter per command of kAll: '+' available, '-' not.
std::string Availability(bool receptionOn, bool rxEmpty) {
    std::string marks;
    for (const Command command : kAll) marks += IsCommandAvailable(command, {receptionOn, rxEmpty}) ? '+' : '-';
    return marks;
}

TEST(CommandAvailabilityTest, TextCommandsNeedTextAndReceptionBlocksAll) {
    //        Open Save Search Next Print Exit Clear Help Info
    EXPECT_EQ(Availability(false, true), "+----+-++") << "idle, empty Rx window";
    EXPECT_EQ(Availability(false, false), "+++++++++") << "idle, text in the Rx window";
    // Ctrl+B must not end the program mid-capture, nor Ctrl+L clear it.
    EXPECT_EQ(Availability(true, false), "---------") << "reception on, text in the Rx window";
    EXPECT_EQ(Availability(true, true), "---------") << "reception on, empty Rx window";
}

}  // namespace
}  // namespace zorbel
