#include "zorbel-engine/win32/ChartViewer.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "zorbel-engine/ChartZoom.h"
#include "zorbel-engine/win32/GreyBitmap.h"
#include "zorbel-engine/win32/EngineWindowIds.h"

namespace zorbel::engine_side {
namespace {

constexpr wchar_t kClassName[] = L"ZorbelChartViewer";
constexpr int kLineStep = 40;  // pixels a scroll arrow or an arrow key moves

HMENU ViewMenu() {
    const HMENU bar = CreateMenu();
    const HMENU view = CreatePopupMenu();
    AppendMenuW(view, MF_STRING, IDM_CHART_ZOOM_IN, L"&Vergrößern\t+");
    AppendMenuW(view, MF_STRING, IDM_CHART_ZOOM_OUT, L"Ver&kleinern\t-");
    AppendMenuW(view, MF_STRING, IDM_CHART_WHOLE_WIDTH, L"&Ganze Breite\t0");
    AppendMenuW(view, MF_STRING, IDM_CHART_OWN_SIZE, L"&Originalgröße\t1");
    AppendMenuW(view, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(view, MF_STRING, IDM_CHART_CLOSE, L"&Schließen\tEsc");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&Ansicht");
    return bar;
}

}  // namespace

ChartViewer::ChartViewer(decoder::GreyImage chart, std::wstring title)
    : chart_(std::move(chart)), picture_(GreyBitmap(chart_)), size_{chart_.width, chart_.height},
      title_(std::move(title)) {}

bool ChartViewer::Create(HWND owner) {
    WNDCLASSEXW windowClass{};
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    if (!RegisterWindowClass(windowClass)) return false;
    Creation creation;
    creation.className = kClassName;
    creation.title = title_.c_str();
    creation.style = WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL;
    creation.width = 1000;
    creation.height = 760;
    creation.parent = owner;
    creation.menuOrId = ViewMenu();
    if (!CreateWindowOf(creation)) return false;
    RECT client{};
    GetClientRect(hwnd_, &client);
    zoom_ = WholeWidthZoom(size_.cx, client.right);
    UpdateScrollBars();
    ShowTitle();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    return true;
}

int ChartViewer::ZoomPercent() const { return static_cast<int>(std::lround(zoom_ * 100)); }

LRESULT ChartViewer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SIZE:
        UpdateScrollBars();
        return 0;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
            POINT anchor{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(hwnd_, &anchor);
            ZoomTo(notches > 0 ? ZoomIn(zoom_) : ZoomOut(zoom_), anchor);
        } else if (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) {
            ScrollTo(scroll_.x - notches * 3 * kLineStep, scroll_.y);
        } else {
            ScrollTo(scroll_.x, scroll_.y - notches * 3 * kLineStep);
        }
        return 0;
    }
    case WM_KEYDOWN:
        OnKey(wParam);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

HBITMAP ChartViewer::PictureAtZoom() {
    if (zoom_ >= 1.0) return picture_.get();
    if (shrunkZoom_ != zoom_) {
        shrunk_ = GreyBitmap(Shrunk(chart_, zoom_));
        shrunkZoom_ = zoom_;
    }
    return shrunk_.get();
}

// The visible part of the zoomed chart. Smaller, it is the chart shrunk by averaging, so that thin isobars and
// small figures stay whole (StretchBlt's HALFTONE would, but Wine drops rows and columns there as COLORONCOLOR
// does); larger, each element becomes a square of pixels.
void ChartViewer::OnPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd_, &paint);
    const win32::DcHandle source(CreateCompatibleDC(dc));
    const HBITMAP shown = PictureAtZoom();
    const win32::SelectedObject selected(source.get(), shown);
    BITMAP shownSize{};
    GetObjectW(shown, sizeof shownSize, &shownSize);
    SetStretchBltMode(dc, COLORONCOLOR);
    const int width = static_cast<int>(std::lround(size_.cx * zoom_));
    const int height = static_cast<int>(std::lround(size_.cy * zoom_));
    StretchBlt(dc, -scroll_.x, -scroll_.y, width, height, source.get(), 0, 0, shownSize.bmWidth, shownSize.bmHeight,
               SRCCOPY);
    // Beside and below a chart smaller than the window: the background.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const HBRUSH background = GetSysColorBrush(COLOR_APPWORKSPACE);
    const RECT right{width - scroll_.x, 0, client.right, client.bottom};
    const RECT below{0, height - scroll_.y, client.right, client.bottom};
    if (right.left < right.right) FillRect(dc, &right, background);
    if (below.top < below.bottom) FillRect(dc, &below, background);
    EndPaint(hwnd_, &paint);
}

void ChartViewer::OnCommand(int id) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const POINT centre{client.right / 2, client.bottom / 2};
    switch (id) {
    case IDM_CHART_ZOOM_IN: return ZoomTo(ZoomIn(zoom_), centre);
    case IDM_CHART_ZOOM_OUT: return ZoomTo(ZoomOut(zoom_), centre);
    case IDM_CHART_WHOLE_WIDTH: return ZoomTo(WholeWidthZoom(size_.cx, client.right), {0, 0});
    case IDM_CHART_OWN_SIZE: return ZoomTo(1.0, centre);
    case IDM_CHART_CLOSE: DestroyWindow(hwnd_); return;
    default: return;
    }
}

void ChartViewer::OnKey(WPARAM key) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    switch (key) {
    case VK_ADD: case VK_OEM_PLUS: return OnCommand(IDM_CHART_ZOOM_IN);
    case VK_SUBTRACT: case VK_OEM_MINUS: return OnCommand(IDM_CHART_ZOOM_OUT);
    case '0': case VK_NUMPAD0: return OnCommand(IDM_CHART_WHOLE_WIDTH);
    case '1': case VK_NUMPAD1: return OnCommand(IDM_CHART_OWN_SIZE);
    case VK_ESCAPE: return OnCommand(IDM_CHART_CLOSE);
    case VK_LEFT: return ScrollTo(scroll_.x - kLineStep, scroll_.y);
    case VK_RIGHT: return ScrollTo(scroll_.x + kLineStep, scroll_.y);
    case VK_UP: return ScrollTo(scroll_.x, scroll_.y - kLineStep);
    case VK_DOWN: return ScrollTo(scroll_.x, scroll_.y + kLineStep);
    case VK_PRIOR: return ScrollTo(scroll_.x, scroll_.y - client.bottom);
    case VK_NEXT: return ScrollTo(scroll_.x, scroll_.y + client.bottom);
    case VK_HOME: return ScrollTo(0, 0);
    case VK_END: return ScrollTo(scroll_.x, size_.cy * 4);
    default: return;
    }
}

void ChartViewer::OnScroll(int bar, int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, bar, &info);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP: position -= kLineStep; break;
    case SB_LINEDOWN: position += kLineStep; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    if (bar == SB_HORZ) ScrollTo(position, scroll_.y);
    else ScrollTo(scroll_.x, position);
}

void ChartViewer::ZoomTo(double zoom, POINT anchor) {
    scroll_ = {ScrollKeeping(scroll_.x, anchor.x, zoom_, zoom), ScrollKeeping(scroll_.y, anchor.y, zoom_, zoom)};
    zoom_ = zoom;
    UpdateScrollBars();
    ShowTitle();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void ChartViewer::ScrollTo(int x, int y) {
    const POINT before = scroll_;
    scroll_ = {x, y};
    UpdateScrollBars();
    if (scroll_.x != before.x || scroll_.y != before.y) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ChartViewer::UpdateScrollBars() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const SIZE zoomed{static_cast<LONG>(std::lround(size_.cx * zoom_)), static_cast<LONG>(std::lround(size_.cy * zoom_))};
    const auto update = [&](int bar, LONG& position, LONG length, LONG page) {
        position = std::clamp<LONG>(position, 0, std::max<LONG>(0, length - page));
        SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, std::max<LONG>(0, length - 1),
                        static_cast<UINT>(std::max<LONG>(1, page)), position, 0};
        SetScrollInfo(hwnd_, bar, &info, TRUE);
    };
    update(SB_HORZ, scroll_.x, zoomed.cx, client.right);
    update(SB_VERT, scroll_.y, zoomed.cy, client.bottom);
}

void ChartViewer::ShowTitle() {
    SetWindowTextW(hwnd_, (title_ + L" – " + std::to_wstring(ZoomPercent()) + L" %").c_str());
}

}  // namespace zorbel::engine_side
