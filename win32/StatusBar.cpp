#include "win32/StatusBar.h"

#include <commctrl.h>

#include <array>

#include "win32/CallbackBoundary.h"
#include "win32/ChildWindow.h"
#include "config/WindowPlacement.h"
#include "win32/Encoding.h"
#include "win32/Fonts.h"

namespace zorbel::win32 {
namespace {

constexpr int kTimePart = 3;
constexpr int kDatePart = 4;
constexpr UINT kClockPeriodMs = 1000;

struct PanelDesign {
    const wchar_t* text;
    const wchar_t* tooltip;
    int widthTwips;  // 0: takes the rest of the bar
};

// When the status text needs more room than the rest of the bar, the memory panel spares what its text does
// not need first, then the date, the line count and the time.
constexpr std::array<std::size_t, 4> kGivingOrder{2, 4, 1, 3};

constexpr std::array<PanelDesign, 5> kPanels{{
    {L"Status:", L"Statusanzeige", 0},
    {L"Zeilen:", L"des mitgeschriebenen Textes", 1350},
    {L"Speicherauslastung:", L"in %", 2550},
    {L"", L"Computerzeit", 900},
    {L"", L"Datum", 1500},
}};

std::wstring LocaleText(bool date) {
    wchar_t buffer[64] = {};
    if (date)
        GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, 64);
    else
        GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, buffer, 64);
    return buffer;
}

}  // namespace

void StatusBar::Create(HWND parent, int id, const Twips& twips, HFONT font, Tooltips& tooltips) {
    twips_ = twips;
    tooltips_ = &tooltips;
    // It places itself along the parent's bottom edge.
    hwnd_ = CreateChildControl({parent, id}, STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP);
    for (int part = 0; part < static_cast<int>(kPanels.size()); ++part)
        tooltips.AddArea(hwnd_, part, kPanels[part].tooltip);
    Resize();
    // Texts set before the parts exist would be lost, so they come after.
    for (int part = 0; part < static_cast<int>(kPanels.size()); ++part) SetPartText(part, kPanels[part].text);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    RefreshClock();
    Resize();  // fitted in the bar's own font
    // A timer procedure rather than a subclass: comctl32's subclass looks its
    // data up with GetProp twice for every message the bar gets, and under
    // Wine each lookup is a round trip to wineserver; painting a panel sends
    // the bar a dozen messages. The timer's id is the object, which outlives
    // the window and so its timer.
    SetTimer(hwnd_, reinterpret_cast<UINT_PTR>(this), kClockPeriodMs, &StatusBar::ClockTick);
}

void CALLBACK StatusBar::ClockTick(HWND, UINT, UINT_PTR timerId, DWORD) {
    CatchAtCallbackBoundary(0, [&] {
        reinterpret_cast<StatusBar*>(timerId)->RefreshClock();
        return 0;
    });
}

int StatusBar::Height() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return rect.bottom - rect.top;
}

void StatusBar::Resize() {
    SendMessageW(hwnd_, WM_SIZE, 0, 0);
    RECT client{};
    GetClientRect(hwnd_, &client);
    std::array<int, kPanels.size()> design{}, needed{};
    for (std::size_t part = 0; part < kPanels.size(); ++part) {
        design[part] = twips_.ToPxX(kPanels[part].widthTwips);
        needed[part] = PanelWidthFor(shownTexts_[part]);
    }
    // The last panel also holds the size grip.
    needed.back() += GetSystemMetrics(SM_CXVSCROLL);
    const std::vector<int> widths = FitPanels(client.right, design, needed, kGivingOrder);
    std::array<int, kPanels.size()> rightEdges{};
    int right = 0;
    for (std::size_t part = 0; part < kPanels.size(); ++part) rightEdges[part] = right += widths[part];
    rightEdges.back() = -1;
    SendMessageW(hwnd_, SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
    for (int part = 0; part < static_cast<int>(kPanels.size()); ++part) {
        RECT area{};
        SendMessageW(hwnd_, SB_GETRECT, part, reinterpret_cast<LPARAM>(&area));
        tooltips_->MoveArea(hwnd_, part, area);
    }
}

void StatusBar::SetPanelText(platform::Panel panel, std::string_view utf8Text) {
    SetPartText(static_cast<int>(panel) - 1, Utf8ToWide(utf8Text));
}

void StatusBar::SetPartText(int part, const std::wstring& text) {
    // Under Wine the bar repaints the panel within SB_SETTEXT; the line count
    // comes twice for every received line (the append, then the Rx window's
    // change notice), the second time unchanged.
    if (text == shownTexts_[part]) return;
    shownTexts_[part] = text;
    SendMessageW(hwnd_, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
    // Fitted again for every status, which may need more room than the last or free it, and for a text
    // grown past its panel; the fonts are set once the panels exist.
    if (!SendMessageW(hwnd_, WM_GETFONT, 0, 0)) return;
    RECT area{};
    SendMessageW(hwnd_, SB_GETRECT, part, reinterpret_cast<LPARAM>(&area));
    if (part == 0 || PanelWidthFor(text) > area.right - area.left) Resize();
}

int StatusBar::PanelWidthFor(const std::wstring& text) const {
    if (text.empty()) return 0;
    // The text has a border and a small gap at each side.
    int borders[3] = {};
    SendMessageW(hwnd_, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return TextWidthInFontOf(hwnd_, text) + 2 * borders[0] + 2 * GetSystemMetrics(SM_CXEDGE) + 4;
}

void StatusBar::RefreshClock() {
    const std::wstring time = LocaleText(false);
    const std::wstring date = LocaleText(true);
    if (time != shownTime_) SetPartText(kTimePart, shownTime_ = time);
    if (date != shownDate_) SetPartText(kDatePart, shownDate_ = date);
}

}  // namespace zorbel::win32
