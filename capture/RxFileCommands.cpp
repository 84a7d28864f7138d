#include "capture/RxFileCommands.h"

#include <variant>

#include "config/ProgramValues.h"
#include "codepage/Utf8.h"

namespace zorbel {
namespace {

constexpr std::string_view kSaveTitle = "Text speichern ?";
constexpr std::string_view kSavePrompt = "Soll der sich im Rx-Fenster befindliche Text gespeichert werden ?";
constexpr std::string_view kClearTitle = "Text löschen ?";
constexpr std::string_view kClearPrompt = "Soll der sich im Rx-Fenster befindliche Text gelöscht werden ?";
constexpr std::string_view kErrorTitle = "Fehler";
constexpr std::string_view kNotRtfReason = "Die Datei enthält keinen lesbaren RTF-Text.";
constexpr std::wstring_view kPrintFailed = L"Der Text konnte nicht gedruckt werden.";
constexpr std::wstring_view kDialogFailed = L"Der Dateidialog konnte nicht geöffnet werden.";
constexpr std::string_view kSavedAsUtf8 = "Status: als UTF-8 gespeichert";

// The size of a refused file as the box says it: whole megabytes, rounded up
// so that a file just over the limit does not read as the limit itself.
std::string Megabytes(std::uint64_t bytes) {
    return std::to_string((bytes + kBytesPerMegabyte - 1) / kBytesPerMegabyte) + " MB";
}

}  // namespace

void RxFileCommands::Open() {
    if (!OfferToSave()) return;
    const DialogStart start = DialogStartHere();
    const auto answer = parts_.fileDialogs.AskOpenPath(start.folder, start.filterIndex);
    const auto* chosen = TakeChoice(answer);
    if (!chosen) return;
    // Refused before reading: the file and its UTF-16 copy must fit in memory beside everything else.
    auto read = parts_.files.ReadAll(chosen->widePath, kLargestDocumentBytes);
    if (const auto* tooLarge = std::get_if<platform::FileTooLarge>(&read)) {
        ShowFailure(chosen->widePath, "Die Datei ist mit " + Megabytes(tooLarge->bytes) +
                                          " zu groß: das Rx-Fenster öffnet Dateien bis " +
                                          Megabytes(kLargestDocumentBytes) + ".");
        return;
    }
    if (const auto* failure = std::get_if<platform::FileFailure>(&read)) {
        ShowFailure(chosen->widePath, failure->utf8Reason);
        return;
    }
    const std::string& bytes = std::get<std::string>(read);
    if (FormatForFile(chosen->widePath, chosen->filterIndex) == RxFileFormat::Text) {
        parts_.rx.ReplaceWithText(DecodeTextFile(bytes));
    } else if (!parts_.rx.ReplaceWithRtf(bytes)) {
        ShowFailure(chosen->widePath, std::string(kNotRtfReason));
        return;
    }
    parts_.rxText.Replaced();
}

SaveOutcome RxFileCommands::Save() {
    const DialogStart start = DialogStartHere();
    const auto answer = parts_.fileDialogs.AskSavePath(start.folder, start.filterIndex,
                                                       ProposedFileName(parts_.clock.LocalNow(), parts_.locale));
    const auto* chosen = TakeChoice(answer);
    if (!chosen) {
        return std::holds_alternative<platform::DialogFailure>(answer) ? SaveOutcome::Failed
                                                                        : SaveOutcome::Cancelled;
    }
    TextFileBytes file{{}, TextFileEncoding::Cp1252};
    if (FormatForFile(chosen->widePath, chosen->filterIndex) == RxFileFormat::Text)
        file = EncodeTextFile(parts_.rx.PlainText());
    else
        file.bytes = parts_.rx.RtfBytes();
    if (const auto failure = parts_.files.WriteReplacing(chosen->widePath, file.bytes)) {
        ShowFailure(chosen->widePath, failure->utf8Reason);
        return SaveOutcome::Failed;
    }
    parts_.rxText.SetUnsaved(false);
    // Said, because other programs may expect the file in code page 1252 as earlier versions wrote it.
    if (file.encoding == TextFileEncoding::Utf8WithMark)
        parts_.panels.SetPanelText(platform::Panel::Status, kSavedAsUtf8);
    return SaveOutcome::Saved;
}

void RxFileCommands::Print() {
    if (const auto failure = parts_.printer.PrintFromDialog(parts_.rx.HasSelection()))
        ShowFailure(std::wstring(kPrintFailed), failure->utf8Reason);
}

bool RxFileCommands::OfferToSave() {
    if (parts_.rx.IsEmpty() || !parts_.rxText.Unsaved()) return true;
    if (!parts_.dialogs.AskYesNo(kSavePrompt, kSaveTitle)) return true;
    // Cancel in the save dialog means "not now": the text stays, and so does the caller.
    return Save() == SaveOutcome::Saved;
}

void RxFileCommands::Format(const std::function<void()>& change) {
    const std::string before = parts_.rx.RtfBytes();
    change();
    if (parts_.rx.RtfBytes() != before) parts_.rxText.SetUnsaved(true);
}

void RxFileCommands::Clear() {
    if (!parts_.rx.IsEmpty()) {
        parts_.engineWindow.HideFirst();
        if (!OfferToSave()) return;
    }
    if (!parts_.dialogs.AskYesNo(kClearPrompt, kClearTitle)) return;
    parts_.rx.Clear();
    parts_.rxText.Cleared();
}

DialogStart RxFileCommands::DialogStartHere() const {
    const StorageFolders& folders = parts_.folders;
    return DialogStartFor(parts_.settings.category,
                          {folders.Path(StorageFolder::Weather), folders.Path(StorageFolder::AmateurRadio),
                           folders.Path(StorageFolder::OtherFiles)});
}

const platform::ChosenFile* RxFileCommands::TakeChoice(const platform::FileChoice& answer) {
    if (const auto* failure = std::get_if<platform::DialogFailure>(&answer))
        ShowFailure(std::wstring(kDialogFailed), failure->utf8Reason);
    return std::get_if<platform::ChosenFile>(&answer);
}

void RxFileCommands::ShowFailure(const std::wstring& wideWhat, const std::string& utf8Reason) {
    parts_.dialogs.ShowMessage(platform::MessageIcon::Exclamation, EncodeUtf8(wideWhat) + "\r\n\r\n" + utf8Reason,
                               kErrorTitle);
}

}  // namespace zorbel
