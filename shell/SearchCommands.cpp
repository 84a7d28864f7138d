#include "shell/SearchCommands.h"

#include <string_view>

#include "capture/RxSearch.h"
#include "win32/Encoding.h"

namespace zorbel::shell {
namespace {

std::u16string_view AsUtf16(const std::wstring& wide) {
    return {reinterpret_cast<const char16_t*>(wide.data()), wide.size()};
}

}  // namespace

void SearchRx(win32::RxWindow& rx, platform::Dialogs& dialogs, const platform::CaseFolding& folding, bool again) {
    std::wstring needle = rx.SelectedWide();
    if (!again) {
        const auto entered = dialogs.AskText("Bitte Suchtext eingeben.", "Suchen", win32::WideToUtf8(needle));
        needle = win32::Utf8ToWide(entered.value_or(""));
    }
    if (needle.empty()) return;

    const std::wstring text = rx.WholeText();
    if (const auto hit = FindNextOccurrence(AsUtf16(text), AsUtf16(needle), rx.Selection().cpMin, folding)) {
        rx.Select({*hit, *hit + static_cast<long>(needle.size())});
    } else {
        rx.Select({0, 0});
        dialogs.ShowMessage(platform::MessageIcon::Information, "Leider keine (weitere) Fundstelle", "Suchen");
    }
    SetFocus(rx.Hwnd());
}

}  // namespace zorbel::shell
