#include "win32/Dialogs.h"

#include <string>

#include "win32/BoxInFront.h"
#include "win32/CallbackBoundary.h"
#include "win32/Encoding.h"

namespace zorbel::win32 {
namespace {

struct OwnedWindowSearch {
    HWND owner;
    HWND found = nullptr;
};

// A visible window of this thread that `owner` owns; tooltips left out.
BOOL CALLBACK FindOwnedWindow(HWND window, LPARAM search) {
    auto& state = *reinterpret_cast<OwnedWindowSearch*>(search);
    if (GetWindow(window, GW_OWNER) != state.owner || !IsWindowVisible(window) ||
        (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
        return TRUE;
    state.found = window;
    return FALSE;
}

// The window that takes the user's input now: the owner, or the innermost
// modal window of ours standing over it (the About box, the folder chooser,
// another box). A box given to the owner instead would enable it again when
// it closes, and the modal window over it would lose its modality.
HWND WindowTakingInput(HWND owner) {
    HWND window = owner;
    while (window && !IsWindowEnabled(window)) {
        OwnedWindowSearch search{window};
        EnumThreadWindows(GetCurrentThreadId(), &FindOwnedWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) break;
        window = search.found;
    }
    return window;
}

// What the input box shows and, after OK, what was entered.
struct InputBoxState {
    InputBoxResource resource;
    std::wstring prompt;
    std::wstring title;
    std::wstring text;
};

INT_PTR HandleInputBoxMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& state = *reinterpret_cast<const InputBoxState*>(lParam);
        SetWindowTextW(dialog, state.title.c_str());
        SetDlgItemTextW(dialog, state.resource.promptId, state.prompt.c_str());
        HWND edit = GetDlgItem(dialog, state.resource.editId);
        SetWindowTextW(edit, state.text.c_str());
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        return FALSE;  // the focus is set
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (LOWORD(wParam) == IDOK) {
            auto& state = *reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            HWND edit = GetDlgItem(dialog, state.resource.editId);
            state.text.assign(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            state.text.resize(static_cast<std::size_t>(
                GetWindowTextW(edit, state.text.data(), static_cast<int>(state.text.size()))));
        }
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return CatchAtCallbackBoundary<INT_PTR>(FALSE,
                                            [&] { return HandleInputBoxMessage(dialog, message, wParam, lParam); });
}

UINT IconFlag(platform::MessageIcon icon) {
    switch (icon) {
    case platform::MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
    case platform::MessageIcon::Information: return MB_ICONINFORMATION;
    case platform::MessageIcon::None: break;
    }
    return 0;
}

}  // namespace

bool WindowsDialogs::AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) {
    return ShowBox(utf8Prompt, utf8Title, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void WindowsDialogs::ShowMessage(platform::MessageIcon icon, std::string_view utf8Prompt,
                                 std::string_view utf8Title) {
    ShowBox(utf8Prompt, utf8Title, MB_OK | IconFlag(icon));
}

platform::ErrorAnswer WindowsDialogs::AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) {
    const int answer = ShowBox(utf8Prompt, utf8Title, MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION);
    if (answer == IDRETRY) return platform::ErrorAnswer::Retry;
    return answer == IDIGNORE ? platform::ErrorAnswer::Ignore : platform::ErrorAnswer::Abort;
}

std::optional<std::string> WindowsDialogs::AskText(std::string_view utf8Prompt, std::string_view utf8Title,
                                                   std::string_view utf8Default) {
    InputBoxState state{inputBox_, Utf8ToWide(utf8Prompt), Utf8ToWide(utf8Title), Utf8ToWide(utf8Default)};
    const HWND owner = WindowTakingInput(owner_);
    const BoxPlacementHook placement(owner);
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(inputBox_.dialogId), owner,
                                           &InputBoxProc, reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return std::nullopt;
    return WideToUtf8(state.text);
}

void WindowsDialogs::Beep() { MessageBeep(MB_OK); }

int WindowsDialogs::ShowBox(std::string_view utf8Prompt, std::string_view utf8Title, UINT buttonsAndIcon) {
    return ShowBoxInFront(WindowTakingInput(owner_), Utf8ToWide(utf8Prompt).c_str(), Utf8ToWide(utf8Title).c_str(),
                          buttonsAndIcon);
}

}  // namespace zorbel::win32
