#include "zorbel-engine/TextPaneLines.h"

namespace zorbel::engine_side {

std::wstring TextPaneLines::Add(std::string_view ansiText) {
    // The decoder gives CR and LF as received: LF makes the line break, CR alone makes none.
    std::wstring shown;
    for (const char c : ansiText) {
        if (c == '\r') continue;
        if (c == '\n') {
            shown += L"\r\n";
            lineOpen_ = false;
        } else {
            shown.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
            lineOpen_ = true;
        }
    }
    return shown;
}

std::wstring TextPaneLines::StartAfresh() {
    if (!lineOpen_) return L"";
    lineOpen_ = false;
    return L"\r\n";
}

}  // namespace zorbel::engine_side
