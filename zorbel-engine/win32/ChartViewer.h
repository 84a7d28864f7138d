#pragma once
// A received chart at full resolution in a window of its own: at first its
// whole width, then larger or smaller in steps ("Ansicht", the keys + and -,
// Ctrl with the mouse wheel, about the point under the mouse), scrolled by
// the scroll bars, the wheel and the keys.

#include <windows.h>

#include <string>

#include "win32/Handles.h"
#include "win32/Window.h"
#include "zorbel-engine/ChartZoom.h"

namespace zorbel::engine_side {

class ChartViewer : public win32::Window {
public:
    ChartViewer(decoder::GreyImage chart, std::wstring title);
    bool Create(HWND owner);
    bool IsOpen() const { return hwnd_ != nullptr; }
    // The zoom as the title shows it, in per cent of the chart's own size.
    int ZoomPercent() const;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnCommand(int id);
    void OnKey(WPARAM key);
    void OnScroll(int bar, int request);
    void ZoomTo(double zoom, POINT anchor);
    void ScrollTo(int x, int y);
    // The scroll bars for the client size and zoom; the position kept within them.
    void UpdateScrollBars();
    void ShowTitle();
    // The chart at the zoom, once per zoom below 1; at 1 and above the chart itself, stretched.
    HBITMAP PictureAtZoom();

    decoder::GreyImage chart_;
    win32::BitmapHandle picture_;
    win32::BitmapHandle shrunk_;
    double shrunkZoom_ = 0;
    SIZE size_{};
    std::wstring title_;
    double zoom_ = 1.0;
    POINT scroll_{};  // window pixels of the zoomed chart left and above the client area
};

}  // namespace zorbel::engine_side
