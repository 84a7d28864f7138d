// The line buffer's long-line guard, the append to the Rx window and the
// line count in panel 2.

#include <numeric>

#include <gtest/gtest.h>

#include "capture/ReceivePipeline.h"
#include "fakes/FakeViews.h"

namespace zorbel {
namespace {

using platform::Panel;

struct PipelineRig {
    explicit PipelineRig(bool writing) : flags{.captureIdle = !writing} {}
    fakes::FakeRxView rx;
    fakes::FakeStatusPanels panels;
    fakes::FakeLineLabel label;
    CaptureFlags flags;
    ReceivePipeline pipeline{rx, panels, label, flags};
};

struct GuardCase {
    const char* name;
    bool writing;
    std::string input;
    std::vector<std::string> appends;
    std::vector<std::string> returned;
    std::string buffer;
};

TEST(ReceivePipelineTest, LongLineGuardFlushesOverEightyCharactersToTheRxWindowWhileWritingAndReturnsThemOtherwise) {
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    const std::string x81(81, 'x');
    const GuardCase cases[] = {
        {"80 stay", true, std::string(80, 'x'), {}, {}, std::string(80, 'x')},
        {"81st flushes all", true, x81, {x81}, {}, ""},
        {"chunks without break", true, std::string(200, 'x'), {x81, x81}, {}, std::string(38, 'x')},
        {"returned while not writing", false, std::string(200, 'x') + "\n", {}, {x81, x81},
         std::string(38, 'x') + "\n"},
        {"every code, NUL included", true, all, {all.substr(0, 81), all.substr(81, 81), all.substr(162, 81)}, {},
         all.substr(243)},
    };
    for (const GuardCase& row : cases) {
        SCOPED_TRACE(row.name);
        PipelineRig rig(row.writing);
        std::vector<std::string> returned;
        for (const char c : row.input) {
            if (auto chunk = rig.pipeline.AppendToLineBuffer(c); !chunk.empty()) returned.push_back(chunk);
        }

        EXPECT_EQ(rig.rx.appends, row.appends);
        EXPECT_EQ(returned, row.returned);
        EXPECT_EQ(rig.pipeline.LineBuffer(), row.buffer);
        EXPECT_EQ(rig.label.shown, row.buffer);
        // Each flush into the window counts a line, raised before the append, so the panel already shows it.
        const auto count = static_cast<int>(row.appends.size()) + 1;
        EXPECT_EQ(rig.pipeline.RxLineCount(), count);
        EXPECT_EQ(rig.panels.Text(Panel::Lines), count > 1 ? "Zeilen:" + std::to_string(count) : "");
    }
}

TEST(ReceivePipelineTest, EnterAndDeleteKeepTheCountInStep) {
    PipelineRig rig(false);
    rig.pipeline.OnRxKeyDown(13);
    EXPECT_EQ(rig.panels.Text(Panel::Lines), "Zeilen:2");

    rig.rx.selection = "one\rtwo\rthree\r";
    rig.pipeline.OnRxKeyDown(46);
    EXPECT_EQ(rig.panels.Text(Panel::Lines), "Zeilen:-1");

    // Line feeds in a selection are not paragraph ends and do not count.
    rig.rx.selection = "a\r\nb\n";
    rig.pipeline.OnRxKeyDown(46);
    rig.pipeline.OnRxKeyDown(65);
    EXPECT_EQ(rig.pipeline.RxLineCount(), -2);

    rig.pipeline.ResetRxLineCount();
    EXPECT_EQ(rig.pipeline.RxLineCount(), 1);
}

}  // namespace
}  // namespace zorbel
