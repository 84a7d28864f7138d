// The receive line's long-line guard and line ends.

#include <numeric>
#include <optional>

#include <gtest/gtest.h>

#include "capture/ReceiveLine.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

struct LineRig {
    // What the characters completed, in order: "overflow:…" and "line:…".
    std::vector<std::string> Take(std::string_view text) {
        std::vector<std::string> pieces;
        for (const char c : text) {
            auto received = line.TakeCharacter(c);
            if (!received.overflow.empty()) pieces.push_back("overflow:" + received.overflow);
            if (received.line) pieces.push_back("line:" + *received.line);
        }
        return pieces;
    }

    fakes::FakeLineLabel label;
    ReceiveLine line{label};
};

TEST(ReceiveLineTest, OverEightyCharactersAreHandedBackAsOverflowAndALineFeedEndsTheLine) {
    std::string codes(256, '\0');
    std::iota(codes.begin(), codes.end(), '\0');
    std::erase_if(codes, [](char c) { return c == '\r' || c == '\n'; });
    const std::string x80(80, 'x');
    const std::string x81(81, 'x');
    struct Row {
        const char* name;
        std::string input;
        std::vector<std::string> pieces;
        std::string label;
        std::optional<std::string> halfLine;
    };
    const Row rows[] = {
        {"81st hands back all", x81, {"overflow:" + x81}, "", "\n"},
        {"line feed as 81st", x80 + "\n", {"overflow:" + x80 + "\n", "line:"}, "", std::nullopt},
        {"chunks, then the rest", std::string(200, 'x') + "\n",
         {"overflow:" + x81, "overflow:" + x81, "line:" + std::string(38, 'x') + "\n"}, "", std::nullopt},
        {"CR skipped, a lone LF a line", "A\r\n\n", {"line:A\n", "line:\n"}, "", std::nullopt},
        {"every other code, NUL included", codes,
         {"overflow:" + codes.substr(0, 81), "overflow:" + codes.substr(81, 81), "overflow:" + codes.substr(162, 81)},
         codes.substr(243), codes.substr(243) + "\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LineRig rig;
        EXPECT_EQ(rig.Take(row.input), row.pieces);
        EXPECT_EQ(rig.label.shown, row.label);
        EXPECT_EQ(rig.line.TakeHalfLine(), row.halfLine);
        EXPECT_EQ(rig.line.TakeHalfLine(), std::nullopt) << "taken once";
        EXPECT_EQ(rig.label.shown, "");
    }
}

}  // namespace
}  // namespace zorbel
