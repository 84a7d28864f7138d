#include "platform/win32/EngineInputBox.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/Encoding.h"

namespace zorbel::win32 {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

// What the dialog shows and, after OK, what was entered.
struct Exchange {
    std::wstring prompt;
    std::wstring title;
    std::wstring text;
};

// An in-memory dialog template: WORD-sized pieces, items DWORD-aligned.
class DialogTemplate {
public:
    DialogTemplate(short width, short height, WORD itemCount) {
        DLGTEMPLATE dialog{};
        dialog.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dialog.cdit = itemCount;
        dialog.cx = width;
        dialog.cy = height;
        AddBytes(&dialog, sizeof(dialog));
        words_.push_back(0);  // no menu
        words_.push_back(0);  // standard dialog class
        AddText(L"");         // the title is set at run time
        words_.push_back(8);  // point size of the font
        AddText(L"MS Shell Dlg");
    }

    void AddItem(WORD windowClass, WORD id, DWORD style, short x, short y, short width, short height,
                 const wchar_t* text) {
        if (words_.size() % 2 != 0) words_.push_back(0);
        DLGITEMTEMPLATE item{};
        item.style = WS_CHILD | WS_VISIBLE | style;
        item.x = x;
        item.y = y;
        item.cx = width;
        item.cy = height;
        item.id = id;
        AddBytes(&item, sizeof(item));
        words_.push_back(0xFFFF);
        words_.push_back(windowClass);
        AddText(text);
        words_.push_back(0);  // no creation data
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void AddBytes(const void* data, std::size_t size) {
        const std::size_t at = words_.size();
        words_.resize(at + (size + 1) / 2);
        std::memcpy(words_.data() + at, data, size);
    }
    void AddText(const wchar_t* text) {
        for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
        words_.push_back(0);
    }

    std::vector<WORD> words_;  // WORD elements keep the DWORD start aligned
};

DialogTemplate MakeInputBoxTemplate() {
    DialogTemplate dialog(240, 96, 4);
    dialog.AddItem(kStaticClass, kPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 170, 66, L"");
    dialog.AddItem(kButtonClass, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 183, 7, 50, 14, L"OK");
    dialog.AddItem(kButtonClass, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 183, 24, 50, 14, L"Abbrechen");
    dialog.AddItem(kEditClass, kEditId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 77, 226, 13, L"");
    return dialog;
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        const auto& exchange = *reinterpret_cast<const Exchange*>(lParam);
        SetWindowTextW(dialog, exchange.title.c_str());
        SetDlgItemTextW(dialog, kPromptId, exchange.prompt.c_str());
        HWND edit = GetDlgItem(dialog, kEditId);
        SetWindowTextW(edit, exchange.text.c_str());
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        return FALSE;  // the focus is set
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (LOWORD(wParam) == IDOK) {
            auto& exchange = *reinterpret_cast<Exchange*>(GetWindowLongPtrW(dialog, DWLP_USER));
            HWND edit = GetDlgItem(dialog, kEditId);
            exchange.text.assign(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
            exchange.text.resize(static_cast<std::size_t>(
                GetWindowTextW(edit, exchange.text.data(), static_cast<int>(exchange.text.size()))));
        }
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

std::optional<std::string> EngineInputBox::Ask(std::string_view utf8Prompt, std::string_view utf8Title,
                                               std::string_view utf8Default) {
    static const DialogTemplate kTemplate = MakeInputBoxTemplate();
    Exchange exchange{Utf8ToWide(utf8Prompt), Utf8ToWide(utf8Title), Utf8ToWide(utf8Default)};
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), kTemplate.Get(), owner_,
                                                   &InputBoxProc, reinterpret_cast<LPARAM>(&exchange));
    if (result != IDOK) return std::nullopt;
    return WideToUtf8(exchange.text);
}

}  // namespace zorbel::win32
