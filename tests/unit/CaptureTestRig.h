#pragma once
// The capture state machine wired to fakes: German locale, a clock standing
// at 5 December 2026 12:03:10 UTC, category "Wetter" with automatic saving,
// and an existing capture folder.

#include <string_view>

#include <gtest/gtest.h>

#include "capture/CaptureStateMachine.h"
#include "fakes/CallLog.h"
#include "fakes/FakeCaptureControls.h"
#include "fakes/FakeClockAndLocale.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeEngineHook.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeMemoryStatus.h"
#include "fakes/FakeViews.h"
#include "fakes/FakeWordListView.h"

namespace zorbel {

inline constexpr std::string_view kCaptureFolder = "C:\\Wetterberichte";

class CaptureTestRig : public ::testing::Test {
protected:
    CaptureTestRig() {
        rx.log = &log;
        panels.log = &log;
        settings.category = "Wetter";
        settings.captureFolder = kCaptureFolder;
        files.folders.insert(std::string(kCaptureFolder));
        memoryStatus.figures.loadPercent = 42;
        words.Fill("FQEN,WODL,", "NNNN,ZCZC,");
    }

    void Receive(std::string_view text) {
        for (const char c : text) ASSERT_TRUE(machine.ReceiveCharacter(static_cast<unsigned char>(c)));
    }

    // Reception on, then a stop word: the waiting state, with a clean log.
    void EnterWaiting() {
        machine.Command2_Click();
        Receive("NNNN\n");
        log.calls.clear();
    }

    std::string Status() const { return panels.Text(platform::Panel::Status); }

    fakes::CallLog log;
    fakes::FakeRxView rx;
    fakes::FakeStatusPanels panels;
    fakes::FakeLineLabel label;
    CaptureFlags flags;
    ReceivePipeline pipeline{rx, panels, label, flags};
    fakes::FakeWordListView wordView;
    WordLists words{wordView};
    CaptureSettings settings;
    fakes::FakeClock clock;
    fakes::FakeGermanLocale locale;
    HeaderDate headerDate{clock, locale};
    fakes::FakeFiles files;
    CaptureFile captureFile{files, headerDate, settings};
    fakes::FakeMemoryStatus memoryStatus;
    fakes::FakeDialogs dialogs;
    MemoryDisplay memory{memoryStatus, locale, panels, dialogs};
    fakes::FakeCaptureControls controls{log};
    fakes::FakeEngineHook hook{log};
    CaptureStateMachine machine{{pipeline, flags, words, settings, captureFile, headerDate, memory, controls, wordView,
                                 panels, rx, dialogs, hook, clock, locale}};
};

}  // namespace zorbel
