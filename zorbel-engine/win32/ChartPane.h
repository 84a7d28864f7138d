#pragma once
// The chart under way, in the engine window where the decoded text stands
// while radiofax is read: its whole width, the newest lines at the foot. A
// double click asks the window to open it at full size (WM_COMMAND with the
// pane's id).

#include <windows.h>

#include "decoder/GreyImage.h"
#include "win32/Handles.h"
#include "win32/Window.h"

namespace zorbel::engine_side {

class ChartPane : public win32::Window {
public:
    bool Create(HWND parent, int id);
    void Show(decoder::GreyImage chart);
    const decoder::GreyImage& Chart() const { return chart_; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();

    int id_ = 0;
    decoder::GreyImage chart_;
    // The chart at the pane's width, made again when either changes.
    win32::BitmapHandle shown_;
    int shownWidth_ = 0;
};

}  // namespace zorbel::engine_side
