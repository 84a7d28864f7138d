#include "win32/Toolbar.h"

#include <vector>

#include "win32/ChildWindow.h"

namespace zorbel::win32 {

void Toolbar::CreateWindowOnly(const ChildPlace& at) {
    hwnd_ = CreateChildControl(at, TOOLBARCLASSNAMEW, L"",
                               TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER);
    SendMessageW(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void Toolbar::CreateWithStandardImages(const ChildPlace& at, bool large, std::span<const ToolbarButton> buttons) {
    CreateWindowOnly(at);
    SendMessageW(hwnd_, TB_LOADIMAGES, large ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR,
                 reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    AddButtons(buttons);
    // Placed again: the buttons change a toolbar's size.
    PlaceWindow(hwnd_, at.place);
}

void Toolbar::CreateWithImages(const ChildPlace& at, HIMAGELIST images, std::span<const ToolbarButton> buttons) {
    CreateWindowOnly(at);
    SendMessageW(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    AddButtons(buttons);
    // Placed again: the buttons change a toolbar's size.
    PlaceWindow(hwnd_, at.place);
}

void Toolbar::AddButtons(std::span<const ToolbarButton> buttons) {
    std::vector<TBBUTTON> items;
    for (const ToolbarButton& button : buttons) {
        TBBUTTON item{};
        item.iBitmap = button.image;
        item.idCommand = button.commandId;
        item.fsState = TBSTATE_ENABLED;
        item.fsStyle = BTNS_BUTTON;
        item.iString = -1;
        items.push_back(item);
    }
    SendMessageW(hwnd_, TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
    // The toolbar registers a tool per button; give each its text now, so
    // that it can also be read back (screen readers, tests).
    HWND tooltips = reinterpret_cast<HWND>(SendMessageW(hwnd_, TB_GETTOOLTIPS, 0, 0));
    for (const ToolbarButton& button : buttons) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = hwnd_;
        tool.uId = static_cast<UINT_PTR>(button.commandId);
        tool.lpszText = const_cast<wchar_t*>(button.tooltip);
        SendMessageW(tooltips, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Toolbar::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled);
    const int count = static_cast<int>(SendMessageW(hwnd_, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON button{};
        SendMessageW(hwnd_, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
        SendMessageW(hwnd_, TB_ENABLEBUTTON, button.idCommand, MAKELONG(enabled ? TRUE : FALSE, 0));
    }
}

}  // namespace zorbel::win32
