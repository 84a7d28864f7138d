#pragma once
// "NAVTEX-Meldungen": the messages received on the receiver's frequency,
// search and rescue set apart above the others, subject and station filters,
// the text of the chosen message and the next broadcast of each station. It
// follows the reception while open: a message arriving shows at once.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "capture/NavtexReception.h"
#include "navtex/MessageList.h"
#include "win32/CheckList.h"
#include "win32/ChoiceBox.h"
#include "win32/ControlNotifications.h"
#include "win32/Handles.h"
#include "win32/MessageTable.h"
#include "win32/Window.h"

namespace zorbel::win32 {

class NavtexWindow : public Window {
public:
    explicit NavtexWindow(NavtexReception& reception);
    // Shows the window owned by `owner`, or brings it to the front when open.
    void Open(HWND owner);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void OnSize();
    LRESULT OnCtlColorStatic(HDC dc, HWND control);
    HWND AddStatic(int id, const wchar_t* text, DWORD style = SS_LEFT);
    // After a message, a change of frequency or of a filter.
    void Refresh();
    void FillStations();
    void ShowBroadcasts();
    void ShowText(std::size_t message);
    std::optional<std::size_t> ShownIndex() const;

    NavtexReception& reception_;
    navtex::MessageList list_;
    std::vector<char> stationLetters_;  // by the station box's entries; 0 for all
    // The message whose text shows, by what stays when older messages are forgotten.
    struct Shown {
        int frequencyHz;
        std::string id;
        navtex::UtcSeconds firstReceived;
    };
    std::optional<Shown> shown_;
    FontHandle font_;
    FontHandle textFont_;
    ChoiceBox frequency_;
    ChoiceBox station_;
    CheckList subjects_;
    MessageTable alarms_;
    MessageTable messages_;
    HWND text_ = nullptr;
    HWND broadcasts_ = nullptr;
    std::vector<HWND> labels_;  // in the order of the layout
    ControlNotifications controlNotifications_;
};

}  // namespace zorbel::win32
