#pragma once
// The status bar: five panels, the last two showing the computer's time and
// date, which its own timer keeps current.

#include <windows.h>

#include <array>
#include <string>

#include "platform/StatusPanels.h"
#include "win32/Tooltips.h"
#include "win32/Twips.h"

namespace zorbel::win32 {

class StatusBar : public platform::StatusPanels {
public:
    // Each panel gets a tool of its own in `tooltips`: the status bar's own
    // tips (SB_SETTIPTEXT) show on Windows only for a cut-off panel.
    void Create(HWND parent, int id, const Twips& twips, HFONT font, Tooltips& tooltips);
    HWND Hwnd() const { return hwnd_; }
    int Height() const;

    void SetPanelText(platform::Panel panel, std::string_view utf8Text) override;

    // Follows the parent's new size: the panels keep their widths (wider
    // where their texts need it), panel 1 takes what is left, and what the
    // others can spare when its text needs more; the tooltip areas follow.
    void Resize();
private:
    void SetPartText(int part, const std::wstring& text);
    // The width a panel needs to show the text whole, in the bar's font.
    int PanelWidthFor(const std::wstring& text) const;
    // Rewrites time and date when they changed.
    void RefreshClock();
    static void CALLBACK ClockTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

    HWND hwnd_ = nullptr;
    Twips twips_{96, 96};
    Tooltips* tooltips_ = nullptr;
    std::array<std::wstring, 5> shownTexts_;  // what each panel shows, for fitting the panels to it
    std::wstring shownTime_;
    std::wstring shownDate_;
};

}  // namespace zorbel::win32
