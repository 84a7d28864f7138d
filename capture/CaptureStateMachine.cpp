#include "capture/CaptureStateMachine.h"

#include <utility>

#include "capture/TrimBlanks.h"
#include "codepage/Cp1252.h"
#include "config/ProgramValues.h"
#include "codepage/Utf8.h"

namespace zorbel {

namespace {

// Case-sensitive substring test; an empty word occurs in every line that is not empty.
bool Occurs(std::string_view line, std::string_view word) {
    return !line.empty() && line.find(word) != std::string_view::npos;
}

// While receiving, the user may neither load, save, print, format nor edit.
constexpr platform::ReceptionChrome kChromeReceiving{.utf8RecordCaption = values::kRecordCaptionRunning,
                                                     .fileToolbarEnabled = false,
                                                     .formatToolbarEnabled = false,
                                                     .fileAndHelpMenusEnabled = false,
                                                     .rxLocked = true,
                                                     .rxClearEnabled = false};
// Afterwards everything is free again.
constexpr platform::ReceptionChrome kChromeEnded{.utf8RecordCaption = values::kRecordCaptionEnded};

}  // namespace

CaptureStateMachine::CaptureStateMachine(const CaptureParts& parts)
    : parts_(parts), chrome_{.utf8RecordCaption = values::kRecordCaptionAtStart} {}

void CaptureStateMachine::ToggleReception() {
    if (!receptionOn_ && state_ != CaptureState::Writing) {
        StartReception();
    } else {
        EndReception();
    }
}

void CaptureStateMachine::StartReception() {
    // Without the Rx window or the engine window procedure nothing would be
    // received: say so rather than show reception on.
    if (!parts_.rx.Exists()) return ShowSetUpFailure(values::kRxWindowMissingPrompt);
    // Nothing could arrive from an engine that has gone; if it cannot be started, the status says why.
    if (parts_.engineProgram.EngineGone() && !parts_.engineProgram.StartEngineAgain()) return;
    if (!parts_.rx.IsEmpty() && !parts_.rxText.Unsaved()) {
        // Cleared, the window counts its lines from the start again, as "Rx-Fenster löschen" has it.
        if (parts_.dialogs.AskYesNo(values::kClearRxPrompt, values::kClearRxTitle)) {
            parts_.rx.Clear();
            parts_.rxText.RestartLineCount();
        }
        parts_.rx.ResetFormat(values::kRxFontName, values::kRxFontSize);
    }
    if (!parts_.hook.HookEngineWindow(*this)) return ShowSetUpFailure(values::kEngineHookFailedPrompt);
    AppendMessageLine(values::kMessageBegin);
    // Reception always begins in the writing state, whatever it ended in.
    state_ = CaptureState::Writing;
    receptionOn_ = true;
    ShowChrome(kChromeReceiving);
    SetStatus(values::kStatusWriting);
    parts_.memory.Show(true);
    parts_.rxText.SetUnsaved(true);
}

void CaptureStateMachine::ShowSetUpFailure(std::string_view utf8Prompt) {
    parts_.dialogs.ShowMessage(platform::MessageIcon::Exclamation, utf8Prompt, values::kSetUpFailedTitle);
}

void CaptureStateMachine::EndReception(std::string_view status) {
    FinishHalfLine();
    // A capture file being saved stays the state until reception starts again.
    if (state_ == CaptureState::Writing) state_ = CaptureState::Waiting;
    receptionOn_ = false;
    ShowChrome(kChromeEnded);
    parts_.hook.UnhookEngineWindow();
    AppendMessageLine(values::kMessageEnd);
    SetStatus(status);
    parts_.memory.Show(true);
    parts_.rxText.SetUnsaved(true);
}

void CaptureStateMachine::CheckEngine() {
    if (!receptionOn_ || !parts_.engineProgram.EngineGone()) return;
    // The box comes after the end, so nothing else happens to reception while it stands.
    EndReception(kStatusNoEngineConnection);
    parts_.dialogs.ShowMessage(platform::MessageIcon::Exclamation, kEngineGonePrompt, kEngineGoneTitle);
}

// A line cut off by the end of reception goes where its state puts lines, as a
// line of its own: the next reception, maybe minutes later, must not continue
// it (and so fake a start or stop word). While waiting, lines are not kept.
void CaptureStateMachine::FinishHalfLine() {
    const auto rest = parts_.receiveLine.TakeHalfLine();
    if (!rest) return;
    if (state_ == CaptureState::Writing) {
        parts_.rxText.AppendLine(*rest);
    } else if (state_ == CaptureState::Saving) {
        SaveText(*rest, LineEnd::Add);
    }
    savedChunks_.clear();
}

void CaptureStateMachine::TakeEngineCharacter(std::int32_t code) {
    if (code < 0 || code > 255) {
        // The box comes after the end, so no further character reaches the Rx window while it stands.
        EndReception();
        parts_.dialogs.ShowMessage(platform::MessageIcon::Exclamation, values::kCharacterErrorPrompt,
                                   values::kCharacterErrorTitle);
        return;
    }
    // Without the engine window procedure the engine's characters are dropped.
    if (!receptionOn_) return;
    const ReceivedText received = parts_.receiveLine.TakeCharacter(static_cast<char>(code));
    if (!received.overflow.empty()) PlaceOverflow(received.overflow);
    if (!received.line) return;
    HandOnLine(*received.line);
    savedChunks_.clear();
    ReportMissingFolder();
}

// A chunk of a long line: shown while writing, saved while saving, dropped
// while waiting (words in it are never seen there).
void CaptureStateMachine::PlaceOverflow(std::string_view chunk) {
    if (state_ == CaptureState::Writing) {
        parts_.rxText.AppendLongLineChunk(chunk);
    } else if (state_ == CaptureState::Saving) {
        SaveText(chunk, LineEnd::None);
        savedChunks_ += chunk;
    }
}

void CaptureStateMachine::ReportMissingFolder() {
    if (folderToReport_.empty()) return;
    const std::wstring folder = std::exchange(folderToReport_, {});
    parts_.dialogs.ShowMessage(platform::MessageIcon::Exclamation,
                               std::string(values::kMissingFolderPromptStart) + EncodeUtf8(folder) +
                                   std::string(values::kMissingFolderPromptEnd),
                               values::kMissingFolderTitle);
}

void CaptureStateMachine::HandOnLine(std::string_view line) {
    if (state_ == CaptureState::Writing) {
        parts_.rxText.AppendLine(line);
        CheckStopWords(line);
    } else if (state_ == CaptureState::Saving) {
        SaveText(line, LineEnd::Add);
        CheckStopWords(savedChunks_ + std::string(line));
    } else {
        CheckStartWords(line);
    }
}

void CaptureStateMachine::CheckStartWords(std::string_view line) {
    const auto& words = parts_.words.StartWords();
    // An empty first word switches start words off, and automatic saving with them.
    if ((!words.empty() && words.front().empty()) || parts_.settings.noStartWord) return;
    for (const auto& word : words) {
        if (Occurs(line, word)) {
            SwitchToWriting(line, word);
            return;
        }
    }
    const auto& settings = parts_.settings;
    if (settings.category == CaptureCategory::Weather && settings.autoSave) {
        const std::string_view head = line.substr(0, values::kBulletinHeadLength);
        if (head.find(values::kWeatherOriginator) != std::string_view::npos) SwitchToSaving(line);
    }
}

void CaptureStateMachine::CheckStopWords(std::string_view line) {
    const auto& words = parts_.words.StopWords();
    if ((!words.empty() && words.front().empty()) || parts_.settings.noStopWord) return;
    for (const auto& word : words) {
        if (!Occurs(line, word)) continue;
        if (state_ == CaptureState::Writing) {
            // Later words find the waiting state and change nothing more.
            SwitchWritingToWaiting(word);
        } else if (state_ == CaptureState::Saving) {
            SwitchSavingToWaiting(word);
            return;
        }
    }
}

void CaptureStateMachine::SwitchToWriting(std::string_view line, std::string_view startWord) {
    state_ = CaptureState::Writing;
    // Only a weather bulletin's header carries a date; any other line would show the zero date.
    const bool hasHeader = line.find(values::kWeatherOriginator) != std::string_view::npos;
    // The Rx window holds 8-bit text: a month name outside code page 1252 shows as '?' there.
    AppendMessageLine(values::kMessageStart,
                      hasHeader ? WideToCp1252(parts_.headerDate.HeaderDateText(line, DateForm::Display))
                                : std::string());
    SetStatus(values::kStatusWriting);
    parts_.wordListView.SetEditText(platform::WordList::Start, startWord);
    auto chrome = chrome_;
    chrome.rxLocked = true;
    chrome.formatToolbarEnabled = false;
    ShowChrome(chrome);
}

void CaptureStateMachine::SwitchToSaving(std::string_view line) {
    state_ = CaptureState::Saving;
    const auto start = parts_.captureFile.Start(line);
    AppendMessageLine(values::kMessageStartSaving, WideToCp1252(start.fileDate));
    SetStatus(values::kStatusSaving);
    if (!start.written) ShowUnsavedLine(line);
    // Once for each folder, and only after the line is handled, for characters arrive while the box stands.
    const std::wstring& folder = parts_.settings.wideCaptureFolder;
    if (!start.written && !parts_.captureFile.CaptureFolderExists() && folder != reportedFolder_)
        folderToReport_ = reportedFolder_ = folder;
    parts_.wordListView.SetEditText(platform::WordList::Start,
                                    TrimBlanks(line.substr(0, values::kBulletinTypeLength)));
}

void CaptureStateMachine::SwitchWritingToWaiting(std::string_view stopWord) {
    state_ = CaptureState::Waiting;
    AppendMessageLine(values::kMessageStop);
    SetStatus(values::kStatusWaiting);
    parts_.wordListView.SetEditText(platform::WordList::Stop, stopWord);
    // Formatting is allowed while waiting; the rest stays as reception set it.
    auto chrome = chrome_;
    chrome.formatToolbarEnabled = true;
    ShowChrome(chrome);
    parts_.memory.Show(true);
    parts_.rxText.SetUnsaved(true);
}

void CaptureStateMachine::SwitchSavingToWaiting(std::string_view stopWord) {
    state_ = CaptureState::Waiting;
    AppendMessageLine(values::kMessageStopSaving);
    SetStatus(values::kStatusWaiting);
    parts_.wordListView.SetEditText(platform::WordList::Stop, stopWord);
}

void CaptureStateMachine::SaveText(std::string_view text, LineEnd lineEnd) {
    if (!parts_.captureFile.Append(text, lineEnd)) ShowUnsavedLine(text);
}

// A line the capture file refused is shown instead of being lost.
void CaptureStateMachine::ShowUnsavedLine(std::string_view line) {
    parts_.rxText.AppendLine(line);
    parts_.rxText.SetUnsaved(true);
    SetStatus(values::kStatusSaveFailed);
}

void CaptureStateMachine::AppendMessageLine(std::string_view label, std::string_view dateFrom) {
    std::string text(label);
    text += parts_.locale.GeneralDateTimeText(parts_.clock.LocalNow());
    if (!dateFrom.empty()) {
        text += values::kMessageDateOpen;
        text += dateFrom;
        text += values::kMessageDateClose;
    }
    text += values::kNewLine;
    parts_.rxText.AppendLine(text);
}

void CaptureStateMachine::SetStatus(std::string_view text) {
    parts_.panels.SetPanelText(platform::Panel::Status, text);
}

void CaptureStateMachine::ShowChrome(const platform::ReceptionChrome& chrome) {
    chrome_ = chrome;
    parts_.receptionView.ShowChrome(chrome_);
}

}  // namespace zorbel
