#include "win32/NavtexWindow.h"

#include <commctrl.h>

#include "navtex/Subjects.h"
#include "win32/Encoding.h"
#include "win32/Fonts.h"
#include "win32/NavtexWindowIds.h"
#include "win32/Twips.h"

namespace zorbel::win32 {
namespace {

constexpr wchar_t kTitle[] = L"NAVTEX-Meldungen";
constexpr int kOuterWidth = 14400;  // twips
constexpr int kOuterHeight = 9600;
constexpr UINT_PTR kBroadcastTimerId = 1;
constexpr UINT kBroadcastPeriodMs = 30'000;  // the next broadcasts move on by whole minutes

constexpr std::string_view kSubjectLetters = "ABCDEFGHIJKLVWXYZ";

// The labels, in the order of labels_.
enum Label { kFrequencyLabel, kStationLabel, kSubjectLabel, kBroadcastLabel, kAlarmLabel, kMessageLabel };

std::vector<TableRow> TableRows(const std::vector<navtex::ListRow>& rows) {
    std::vector<TableRow> table;
    for (const navtex::ListRow& row : rows) {
        TableRow& shown = table.emplace_back(TableRow{row.message, {}});
        for (const std::string& cell : row.cells) shown.cells.push_back(Utf8ToWide(cell));
    }
    return table;
}

std::vector<std::wstring> Headings() {
    std::vector<std::wstring> headings;
    for (const std::string& heading : navtex::ListHeadings()) headings.push_back(Utf8ToWide(heading));
    return headings;
}

}  // namespace

NavtexWindow::NavtexWindow(NavtexReception& reception) : reception_(reception), list_(reception.Memory()) {
    reception_.OnChange([this] {
        if (hwnd_) Refresh();
    });
}

void NavtexWindow::Open(HWND owner) {
    if (hwnd_) {
        if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
        SetForegroundWindow(hwnd_);
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ZORBEL_NAVTEX_WINDOW_CLASS;
    windowClass.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON));
    if (!RegisterWindowClass(windowClass)) return;
    const Twips twips = Twips::ForScreen();
    if (!CreateWindowOf({.className = ZORBEL_NAVTEX_WINDOW_CLASS,
                         .title = kTitle,
                         .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         .extendedStyle = WS_EX_CONTROLPARENT,
                         .width = twips.ToPxX(kOuterWidth),
                         .height = twips.ToPxY(kOuterHeight),
                         .parent = owner}))
        return;
    ShowWindow(hwnd_, SW_SHOW);
}

LRESULT NavtexWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        CreateControls();
        SetTimer(hwnd_, kBroadcastTimerId, kBroadcastPeriodMs, nullptr);
        return 0;
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_TIMER:
        if (wParam == kBroadcastTimerId) ShowBroadcasts();
        return 0;
    case WM_NOTIFY:
        return controlNotifications_.TakeNotify(*reinterpret_cast<const NMHDR*>(lParam)).value_or(0);
    case WM_COMMAND:
        controlNotifications_.TakeCommand(wParam, lParam);
        return 0;
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
        KillTimer(hwnd_, kBroadcastTimerId);
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

HWND NavtexWindow::AddStatic(int id, const wchar_t* text, DWORD style) {
    const HWND control = CreateChildControl({hwnd_, id, {}, font_.get()}, L"STATIC", text, style);
    labels_.push_back(control);
    return control;
}

void NavtexWindow::CreateControls() {
    font_ = MakeMessageFont();
    textFont_ = MakeFont(L"Courier New", 10, FW_NORMAL, false, FIXED_PITCH | FF_MODERN);
    // In the order of Label, and each control after its label for the tab order.
    AddStatic(IDC_NAVTEX_LABEL, L"&Frequenz:");
    frequency_.Create({hwnd_, IDC_NAVTEX_FREQUENCY, {}, font_.get()}, [this](std::size_t chosen) {
        reception_.SetFrequency(navtex::kFrequencies[chosen]);
        FillStations();
    });
    AddStatic(IDC_NAVTEX_LABEL, L"&Station:");
    station_.Create({hwnd_, IDC_NAVTEX_STATION, {}, font_.get()}, [this](std::size_t chosen) {
        list_.ShowStation(stationLetters_[chosen]);
        Refresh();
    });
    AddStatic(IDC_NAVTEX_LABEL, L"&Themen (A, B, D und L immer):");
    subjects_.Create({hwnd_, IDC_NAVTEX_SUBJECTS, {}, font_.get()},
                     [this](std::size_t entry, bool checked) {
                         const char subject = kSubjectLetters[entry];
                         list_.ShowSubject(subject, checked);
                         // A warning that must stay is checked again at once.
                         if (list_.SubjectShown(subject) != checked) subjects_.SetChecked(entry, true);
                         Refresh();
                     });
    for (const char subject : kSubjectLetters) {
        subjects_.AddEntry(std::wstring(1, static_cast<wchar_t>(subject)) + L"  " +
                               Utf8ToWide(navtex::SubjectName(subject)),
                           list_.SubjectShown(subject));
    }
    AddStatic(IDC_NAVTEX_LABEL, L"Nächste Sendungen (UTC):");
    broadcasts_ = CreateChildControl({hwnd_, IDC_NAVTEX_BROADCASTS, {}, font_.get()}, L"LISTBOX", L"",
                                     WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, WS_EX_CLIENTEDGE);
    AddStatic(IDC_NAVTEX_ALARM_LABEL, L"SEENOT / PIRATERIE");
    const auto choose = [this](MessageTable& other) {
        return [this, &other](std::size_t message) {
            other.Choose(std::nullopt);
            ShowText(message);
        };
    };
    alarms_.Create({hwnd_, IDC_NAVTEX_ALARMS, {}, font_.get()}, Headings(), choose(messages_));
    alarms_.SetColours(RGB(160, 0, 0), RGB(255, 232, 232));
    AddStatic(IDC_NAVTEX_LABEL, L"&Meldungen:");
    messages_.Create({hwnd_, IDC_NAVTEX_MESSAGES, {}, font_.get()}, Headings(), choose(alarms_));
    text_ = CreateChildControl({hwnd_, IDC_NAVTEX_TEXT, {}, textFont_.get()}, L"EDIT", L"",
                               WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                               WS_EX_CLIENTEDGE);
    for (NotifyingControl* control : std::initializer_list<NotifyingControl*>{&frequency_, &station_, &subjects_,
                                                                               &alarms_, &messages_})
        controlNotifications_.Add(*control);

    std::vector<std::wstring> frequencies;
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < navtex::kFrequencies.size(); ++i) {
        frequencies.push_back(Utf8ToWide(navtex::FrequencyText(navtex::kFrequencies[i])));
        if (navtex::kFrequencies[i] == reception_.FrequencyHz()) chosen = i;
    }
    frequency_.SetChoices(frequencies, chosen);
    FillStations();
}

// The station filter offers the stations of the frequency; a change of frequency shows all again.
void NavtexWindow::FillStations() {
    std::vector<std::wstring> choices{L"Alle Stationen"};
    stationLetters_ = {0};
    for (const navtex::Station& station : navtex::AllStations()) {
        if (station.frequencyHz != reception_.FrequencyHz()) continue;
        choices.push_back(std::wstring(1, static_cast<wchar_t>(station.letter)) + L"  " + Utf8ToWide(station.name));
        stationLetters_.push_back(station.letter);
    }
    station_.SetChoices(choices, 0);
    list_.ShowStation(0);
    Refresh();
}

void NavtexWindow::Refresh() {
    list_.SetFrequency(reception_.FrequencyHz());
    alarms_.SetRows(TableRows(list_.AlarmRows()));
    messages_.SetRows(TableRows(list_.OtherRows()));
    // Still chosen where it is listed; a better copy may have taken its place.
    const std::optional<std::size_t> shown = ShownIndex();
    alarms_.Choose(shown);
    messages_.Choose(shown);
    if (shown) {
        ShowText(*shown);
    } else {
        shown_.reset();
        SetWindowTextW(text_, L"");
    }
    ShowBroadcasts();
}

std::optional<std::size_t> NavtexWindow::ShownIndex() const {
    const auto& messages = reception_.Memory().Messages();
    for (std::size_t i = 0; shown_ && i < messages.size(); ++i) {
        if (messages[i].frequencyHz == shown_->frequencyHz && messages[i].message.id == shown_->id &&
            messages[i].firstReceived == shown_->firstReceived)
            return i;
    }
    return std::nullopt;
}

void NavtexWindow::ShowText(std::size_t message) {
    const navtex::StoredMessage& stored = reception_.Memory().Messages()[message];
    shown_ = Shown{stored.frequencyHz, stored.message.id, stored.firstReceived};
    const std::wstring text =
        Cp1252ToDisplayText(navtex::Cp1252MessageShownText(stored));
    SetWindowTextW(text_, text.c_str());
}

void NavtexWindow::ShowBroadcasts() {
    SendMessageW(broadcasts_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(broadcasts_, LB_RESETCONTENT, 0, 0);
    const std::vector<navtex::Broadcast> next = list_.NextBroadcasts(reception_.Now());
    for (const navtex::Broadcast& broadcast : next) {
        const std::wstring line = Utf8ToWide(broadcast.utf8Text);
        SendMessageW(broadcasts_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    if (next.empty())
        SendMessageW(broadcasts_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Keine Station dieser Frequenz bekannt"));
    SendMessageW(broadcasts_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(broadcasts_, nullptr, TRUE);
}

void NavtexWindow::OnSize() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int dpi = Twips::ForScreen().DpiY();
    const auto px = [dpi](int at96) { return MulDiv(at96, dpi, 96); };
    const int margin = px(8), row = px(22), label = px(18), left = px(250), drop = px(200);
    const int width = client.right, height = client.bottom;
    // The top row: frequency and station.
    PlaceWindow(labels_[kFrequencyLabel], {margin, margin + px(4), margin + px(64), margin + row});
    PlaceWindow(frequency_.Hwnd(), {margin + px(66), margin, margin + px(176), margin + row + drop});
    PlaceWindow(labels_[kStationLabel], {margin + px(196), margin + px(4), margin + px(250), margin + row});
    PlaceWindow(station_.Hwnd(), {margin + px(252), margin, margin + px(520), margin + row + drop});
    // Left: the subjects over the next broadcasts.
    const int top = margin + row + margin;
    const int subjectsBottom = top + label + std::min(px(340), (height - top) / 2);
    PlaceWindow(labels_[kSubjectLabel], {margin, top, margin + left, top + label});
    subjects_.Place({margin, top + label, margin + left, subjectsBottom});
    PlaceWindow(labels_[kBroadcastLabel],
                {margin, subjectsBottom + margin, margin + left, subjectsBottom + margin + label});
    PlaceWindow(broadcasts_, {margin, subjectsBottom + margin + label, margin + left, height - margin});
    // Right: search and rescue, the other messages, the chosen message's text.
    const int x = margin + left + margin, right = std::max(x + px(100), width - margin);
    const int alarmsBottom = top + label + px(96);
    PlaceWindow(labels_[kAlarmLabel], {x, top, right, top + label});
    PlaceWindow(alarms_.Hwnd(), {x, top + label, right, alarmsBottom});
    const int messagesTop = alarmsBottom + margin + label;
    const int messagesBottom = messagesTop + std::max(px(80), (height - messagesTop) / 2);
    PlaceWindow(labels_[kMessageLabel], {x, alarmsBottom + margin, right, messagesTop});
    PlaceWindow(messages_.Hwnd(), {x, messagesTop, right, messagesBottom});
    const int textTop = messagesBottom + margin;
    PlaceWindow(text_, {x, textTop, right, std::max(textTop + px(40), height - margin)});
}

// The heading of search and rescue in red, so that it cannot be missed.
LRESULT NavtexWindow::OnCtlColorStatic(HDC dc, HWND control) {
    if (control != labels_[kAlarmLabel])
        return DefaultHandling(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    SetTextColor(dc, RGB(192, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace zorbel::win32
