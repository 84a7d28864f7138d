// Where the main window opens for a stored size.

#include <gtest/gtest.h>

#include <vector>

#include "config/WindowPlacement.h"

namespace zorbel {
namespace {

std::string Shown(const WindowPlace& p) {
    return std::to_string(p.left) + "," + std::to_string(p.top) + " " + std::to_string(p.width) + "x" +
           std::to_string(p.height);
}

TEST(WindowPlacementTest, OnAScreenAtLeastTheMinimumAndNoLargerThanTheScreen) {
    // 1920 x 1040 and 1280 x 1024 pixels at 15 twips a pixel, the second to the right.
    const std::vector<ScreenArea> two{{0, 0, 28800, 15600}, {28800, 0, 48000, 15360}};
    const std::vector<ScreenArea> small{{0, 0, 6000, 2000}};
    const struct {
        WindowPlace proposed;
        const std::vector<ScreenArea>& areas;
        WindowPlace expected;
    } cases[] = {
        {{0, 0, 9000, 6075}, two, {0, 0, 9000, 6075}},
        {{0, 0, 100, -50}, two, {0, 0, 7080, 2510}},
        {{0, 0, 100000000, 100000000}, two, {0, 0, 28800, 15600}},
        {{90000, 90000, 9000, 6075}, two, {19800, 9525, 9000, 6075}},  // off every screen: the first
        {{45000, -300, 9000, 6075}, two, {39000, 0, 9000, 6075}},
        {{27000, 0, 9000, 20000}, two, {28800, 0, 9000, 15360}},  // mostly on the second
        {{500, 500, 9000, 6075}, small, {0, 0, 7080, 2510}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(PlaceWindow(c.proposed, kMainWindowMinimum, c.areas)), Shown(c.expected))
            << "proposed " << Shown(c.proposed);
}

}  // namespace
}  // namespace zorbel
