#pragma once
// Reception on and off by the record button, and the switches between
// writing lines into the Rx window, waiting for a start word and saving a
// weather bulletin into its capture file.

#include <cstdint>
#include <string>
#include <string_view>

#include "capture/CaptureFile.h"
#include "capture/CaptureState.h"
#include "capture/HeaderDate.h"
#include "capture/ReceiveLine.h"
#include "capture/RxText.h"
#include "config/CaptureSettings.h"
#include "config/MemoryDisplay.h"
#include "config/ProgramValues.h"
#include "config/WordLists.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/EngineHook.h"
#include "platform/EngineProgram.h"
#include "platform/Locale.h"
#include "platform/ReceptionView.h"
#include "platform/RxView.h"
#include "platform/StatusPanels.h"
#include "platform/WordListView.h"

namespace zorbel {

// Everything the state machine reads or drives.
struct CaptureParts {
    ReceiveLine& receiveLine;
    RxText& rxText;
    const WordLists& words;
    const CaptureSettings& settings;
    CaptureFile& captureFile;
    const HeaderDate& headerDate;
    MemoryDisplay& memory;
    platform::ReceptionView& receptionView;
    platform::WordListView& wordListView;
    platform::StatusPanels& panels;
    platform::RxView& rx;
    platform::Dialogs& dialogs;
    platform::EngineHook& hook;
    platform::EngineProgram& engineProgram;
    const platform::Clock& clock;
    const platform::Locale& locale;
};

// The owner of reception: the engine hook hands it every character, and it
// decides where each line goes.
class CaptureStateMachine : public platform::EngineCharacterSink {
public:
    explicit CaptureStateMachine(const CaptureParts& parts);

    // The record button: starts reception when it is off, ends it otherwise.
    void ToggleReception();

    // One code from the engine window procedure, while reception is on: what
    // the receive line completes goes where the capture state puts it, and a
    // finished line is tested for start or stop words. A code that is no
    // 8-bit character ends reception and is reported in a box.
    void TakeEngineCharacter(std::int32_t code) override;

    // Asked while reception is on, from time to time: an engine gone ends
    // reception and says so; the next start starts the engine again first.
    void CheckEngine() override;

    bool ReceptionOn() const { return receptionOn_; }
    CaptureState State() const { return state_; }

private:
    void StartReception();
    void EndReception(std::string_view status = values::kStatusReady);
    void FinishHalfLine();
    void PlaceOverflow(std::string_view chunk);
    // A finished line (8-bit ANSI, ending in its LF), dispatched by the capture state.
    void HandOnLine(std::string_view line);
    void CheckStartWords(std::string_view line);
    void CheckStopWords(std::string_view line);
    void ShowSetUpFailure(std::string_view utf8Prompt);
    void SwitchToWriting(std::string_view line, std::string_view startWord);
    void SwitchToSaving(std::string_view line);
    void SwitchWritingToWaiting(std::string_view stopWord);
    void SwitchSavingToWaiting(std::string_view stopWord);
    void SaveText(std::string_view text, LineEnd lineEnd);
    void ShowUnsavedLine(std::string_view line);
    void ReportMissingFolder();
    void AppendMessageLine(std::string_view label, std::string_view dateFrom = {});
    void SetStatus(std::string_view text);
    void ShowChrome(const platform::ReceptionChrome& chrome);

    CaptureParts parts_;
    bool receptionOn_ = false;
    CaptureState state_ = CaptureState::Waiting;
    platform::ReceptionChrome chrome_;
    // What the long-line guard flushed of the current line while saving: it
    // is in the capture file already, but the stop-word test sees it too.
    std::string savedChunks_;
    // A capture folder found missing: reported once the line is handled, and only once.
    std::wstring folderToReport_;
    std::wstring reportedFolder_;
};

}  // namespace zorbel
