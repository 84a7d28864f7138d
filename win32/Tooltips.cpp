#include "win32/Tooltips.h"

#include <commctrl.h>

namespace zorbel::win32 {

void Tooltips::Create(HWND owner) {
    owner_ = owner;
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

namespace {

TOOLINFOW Tool(UINT flags, HWND window, UINT_PTR id) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = flags | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = id;
    return tool;
}

}  // namespace

void Tooltips::Add(HWND control, const wchar_t* text) {
    TOOLINFOW tool = Tool(TTF_IDISHWND, owner_, reinterpret_cast<UINT_PTR>(control));
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::AddArea(HWND window, UINT_PTR areaId, const wchar_t* text) {
    TOOLINFOW tool = Tool(0, window, areaId);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::MoveArea(HWND window, UINT_PTR areaId, const RECT& area) {
    TOOLINFOW tool = Tool(0, window, areaId);
    tool.rect = area;
    SendMessageW(hwnd_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::RemoveArea(HWND window, UINT_PTR areaId) {
    TOOLINFOW tool = Tool(0, window, areaId);
    SendMessageW(hwnd_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::AllowLines(int widthPx) { SendMessageW(hwnd_, TTM_SETMAXTIPWIDTH, 0, widthPx); }

}  // namespace zorbel::win32
