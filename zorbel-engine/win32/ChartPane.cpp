#include "zorbel-engine/win32/ChartPane.h"

#include <algorithm>

#include "zorbel-engine/ChartZoom.h"
#include "zorbel-engine/win32/GreyBitmap.h"

namespace zorbel::engine_side {
namespace {
constexpr wchar_t kClassName[] = L"ZorbelChartPane";
}  // namespace

bool ChartPane::Create(HWND parent, int id) {
    id_ = id;
    WNDCLASSEXW windowClass{};
    windowClass.lpszClassName = kClassName;
    windowClass.style = CS_DBLCLKS;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    if (!RegisterWindowClass(windowClass)) return false;
    Creation creation;
    creation.className = kClassName;
    creation.style = WS_CHILD;
    creation.extendedStyle = WS_EX_CLIENTEDGE;
    creation.x = creation.y = creation.width = creation.height = 0;
    creation.parent = parent;
    creation.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    return CreateWindowOf(creation);
}

void ChartPane::Show(decoder::GreyImage chart) {
    chart_ = std::move(chart);
    shown_.reset();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT ChartPane::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_LBUTTONDBLCLK:
        if (chart_.height > 0)
            PostMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(id_, 0), reinterpret_cast<LPARAM>(hwnd_));
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void ChartPane::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (chart_.width > 0 && chart_.height > 0 && client.right > 0) {
        if (!shown_ || shownWidth_ != client.right) {
            const double zoom = std::min(1.0, static_cast<double>(client.right) / chart_.width);
            shown_ = GreyBitmap(Shrunk(chart_, zoom));
            shownWidth_ = client.right;
        }
        BITMAP size{};
        GetObjectW(shown_.get(), sizeof size, &size);
        const win32::DcHandle source(CreateCompatibleDC(dc));
        const win32::SelectedObject selected(source.get(), shown_.get());
        // The newest lines at the foot; a short chart stands at the top.
        const int top = std::min<int>(0, client.bottom - size.bmHeight);
        BitBlt(dc, 0, top, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
    }
    EndPaint(hwnd_, &paint);
}

}  // namespace zorbel::engine_side
