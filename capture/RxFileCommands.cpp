#include "capture/RxFileCommands.h"

#include <variant>

#include "config/Cp1252.h"
#include "config/ProgramValues.h"

namespace zorbel {
namespace {

constexpr std::string_view kSaveTitle = "Text speichern ?";
constexpr std::string_view kSavePrompt = "Soll der sich im Rx-Fenster befindliche Text gespeichert werden ?";
constexpr std::string_view kClearTitle = "Text löschen ?";
constexpr std::string_view kClearPrompt = "Soll der sich im Rx-Fenster befindliche Text gelöscht werden ?";
constexpr std::string_view kErrorTitle = "Fehler";
constexpr std::string_view kNotRtfReason = "Die Datei enthält keinen lesbaren RTF-Text.";
constexpr std::wstring_view kPrintFailed = L"Der Text konnte nicht gedruckt werden.";

// UTF-16 to UTF-8 for the box texts (paths may hold any character).
std::string WideToUtf8(std::wstring_view wide) {
    std::string out;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t code = wide[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < wide.size()) {
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[++i] - 0xDC00);
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

}  // namespace

void RxFileCommands::Open() {
    if (!OfferToSave()) return;
    const DialogStart start = DialogStartFor(hooks_.category(), hooks_.folders());
    const auto chosen = parts_.fileDialogs.AskOpenPath(start.folder, start.filterIndex);
    if (!chosen) return;
    auto read = parts_.files.ReadAll(chosen->widePath);
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
    hooks_.setUnsaved(false);
    parts_.panels.SetPanelText(platform::Panel::Lines, values::kLinesPanelPrefix);
}

SaveOutcome RxFileCommands::Save() {
    const DialogStart start = DialogStartFor(hooks_.category(), hooks_.folders());
    const auto chosen = parts_.fileDialogs.AskSavePath(start.folder, start.filterIndex,
                                                       ProposedFileName(parts_.clock.LocalNow(), parts_.locale));
    if (!chosen) return SaveOutcome::Cancelled;
    // Plain text stays in code page 1252, as earlier versions wrote it.
    const std::string bytes = FormatForFile(chosen->widePath, chosen->filterIndex) == RxFileFormat::Text
                                  ? WideToCp1252(parts_.rx.PlainText())
                                  : parts_.rx.RtfBytes();
    if (const auto failure = parts_.files.WriteReplacing(chosen->widePath, bytes)) {
        ShowFailure(chosen->widePath, failure->utf8Reason);
        return SaveOutcome::Failed;
    }
    hooks_.setUnsaved(false);
    return SaveOutcome::Saved;
}

void RxFileCommands::Print() {
    if (const auto failure = parts_.printer.PrintFromDialog(parts_.rx.HasSelection()))
        ShowFailure(std::wstring(kPrintFailed), failure->utf8Reason);
}

bool RxFileCommands::OfferToSave() {
    if (parts_.rx.IsEmpty() || !hooks_.isUnsaved()) return true;
    if (!parts_.dialogs.AskYesNo(kSavePrompt, kSaveTitle)) return true;
    return Save() != SaveOutcome::Failed;
}

void RxFileCommands::Clear() {
    if (!parts_.rx.IsEmpty()) {
        hooks_.hideEngineWindow();
        if (!OfferToSave()) return;
    }
    if (!parts_.dialogs.AskYesNo(kClearPrompt, kClearTitle)) return;
    parts_.rx.Clear();
    hooks_.restartLineCount();
    hooks_.setUnsaved(false);
    parts_.panels.SetPanelText(platform::Panel::Lines, values::kLinesPanelPrefix);
}

void RxFileCommands::ShowFailure(const std::wstring& wideWhat, const std::string& utf8Reason) {
    parts_.dialogs.ShowMessage(platform::MessageIcon::Exclamation, WideToUtf8(wideWhat) + "\r\n\r\n" + utf8Reason,
                               kErrorTitle);
}

}  // namespace zorbel
