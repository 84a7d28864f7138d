#pragma once
// The capture state machine wired to fakes: German locale, a clock standing at 5 December 2026 12:03:10 UTC, category
// "Wetter" with automatic saving, and an existing capture folder. One log holds what the user sees, in order.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "capture/CaptureStateMachine.h"
#include "fakes/FakeViews.h"

namespace zorbel {

namespace platform {
inline void PrintTo(const ReceptionChrome& chrome, std::ostream* out) {
    *out << "{caption \"" << chrome.utf8RecordCaption << "\", file toolbar " << chrome.fileToolbarEnabled << ", format toolbar "
         << chrome.formatToolbarEnabled << ", file+help " << chrome.fileAndHelpMenusEnabled << ", rx locked "
         << chrome.rxLocked << ", rx clear " << chrome.rxClearEnabled << "}";
}
}  // namespace platform

using Calls = std::vector<std::string>;

inline constexpr std::wstring_view kCaptureFolder = L"C:\\Wetterberichte";
inline constexpr platform::ReceptionChrome kChromeReceiving{"&Stop", false, false, false, true, false};
inline constexpr platform::ReceptionChrome kChromeWaiting{"&Stop", false, true, false, true, false};
inline constexpr platform::ReceptionChrome kChromeEnded{"&mitschreiben", true, true, true, false, true};

class CaptureTestRig : public ::testing::Test {
protected:
    CaptureTestRig() {
        rx.log = panels.log = view.log = dialogs.log = &log;
        settings.category = CaptureCategory::Weather;
        settings.wideCaptureFolder = kCaptureFolder;
        files.folders.emplace(kCaptureFolder);
        memoryStatus.figures.loadPercent = 42;
        words.Fill("FQEN,WODL,", "NNNN,ZCZC,");
    }

    void Receive(std::string_view text) {
        for (const char c : text) machine.TakeEngineCharacter(static_cast<unsigned char>(c));
    }

    // Reception on, then a stop word: the waiting state, with a clean log.
    void EnterWaiting() {
        machine.ToggleReception();
        Receive("NNNN\n");
        log.calls.clear();
    }

    std::string Status() const { return panels.Text(platform::Panel::Status); }
    std::string State() const {
        switch (machine.State()) {
            case CaptureState::Writing: return "writing";
            case CaptureState::Saving: return "saving";
            case CaptureState::Waiting: break;
        }
        return "waiting";
    }

    fakes::CallLog log;
    fakes::FakeRxView rx;
    fakes::FakeStatusPanels panels;
    fakes::FakeLineLabel label;
    ReceiveLine receiveLine{label};
    RxText rxText{rx, panels};
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
    fakes::FakeReceptionView view;
    fakes::FakeEngineHook hook{log};
    fakes::FakeEngineProgram engine{log};
    CaptureStateMachine machine{{receiveLine, rxText, words, settings, captureFile, headerDate, memory, view, wordView,
                                 panels, rx, dialogs, hook, engine, clock, locale}};
};

}  // namespace zorbel
