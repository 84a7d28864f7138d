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

// A box over a main window low on the screen (its engine window docked below,
// partly off the screen) stays wholly on the work area.
TEST(WindowPlacementTest, ABoxCentredOverItsOwnerAndWhollyOnTheWorkArea) {
    const ScreenArea work{0, 0, 1024, 738};
    const struct {
        ScreenArea owner;
        TwipsSize box;
        WindowPlace expected;
    } cases[] = {
        {{100, 100, 700, 500}, {300, 120}, {250, 240, 300, 120}},
        {{100, 600, 700, 780}, {300, 240}, {250, 498, 300, 240}},   // would reach below the task bar
        {{-500, -400, 100, 60}, {300, 120}, {0, 0, 300, 120}},      // owner partly off the top left
        {{900, 300, 1500, 500}, {300, 120}, {724, 340, 300, 120}},  // and off the right
        {{0, 0, 1024, 738}, {2000, 900}, {0, 0, 2000, 900}},        // larger than the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(PlaceBoxOver(c.box, c.owner, work)), Shown(c.expected))
            << "owner " << c.owner.left << "," << c.owner.top << "-" << c.owner.right << "," << c.owner.bottom;
}

// The word row at a larger font: "Start:" and "Startwort" need more than the design gives.
TEST(WindowPlacementTest, ARowWidensWhatItsTextNeedsAndTheStatusPanelTakesWhatTheOthersCanSpare) {
    const std::vector<RowSpan> design{{187, 28}, {215, 65}, {285, 27}, {312, 65}, {384, 81}};
    const struct {
        std::vector<int> needed;
        std::string expected;  // left+width of each
    } cases[] = {
        {{20, 50, 20, 50, 0}, "187+28 215+65 285+27 312+65 384+81 "},
        {{34, 72, 31, 68, 0}, "187+34 221+72 298+31 329+68 404+81 "},
        {{28, 90}, "187+28 215+90 310+27 337+65 409+81 "},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const RowSpan& span : FitRow(design, c.needed))
            shown += std::to_string(span.left) + "+" + std::to_string(span.width) + " ";
        EXPECT_EQ(shown, c.expected) << testing::PrintToString(c.needed);
    }
    // The status bar's five panels: status, lines, memory, time, date; memory gives first, then the date.
    const std::vector<int> panels{0, 90, 170, 60, 100};
    const std::vector<std::size_t> giving{2, 4, 1, 3};
    const struct {
        int bar;
        std::vector<int> needed;
        std::vector<int> widths;
    } bars[] = {
        {600, {150, 60, 130, 40, 60}, {180, 90, 170, 60, 100}},  // everything fits
        {600, {200, 60, 130, 40, 60}, {200, 90, 150, 60, 100}},  // memory spares 20
        {600, {260, 60, 130, 40, 60}, {260, 90, 130, 60, 60}},   // memory 40, then the date 40
        {450, {300, 60, 130, 40, 60}, {160, 60, 130, 40, 60}},   // nothing more to spare: cut
        {600, {100, 120, 130, 40, 60}, {150, 120, 170, 60, 100}},  // a count wider than its panel
    };
    for (const auto& c : bars)
        EXPECT_EQ(FitPanels(c.bar, panels, c.needed, giving), c.widths)
            << c.bar << " " << testing::PrintToString(c.needed);
}

}  // namespace
}  // namespace zorbel
