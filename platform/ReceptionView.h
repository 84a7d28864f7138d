#pragma once
// What reception changes around the Rx window, as one value: the record
// button's caption, the toolbars, the "&Datei" and "?" menus, the Rx
// window's lock and the "Rx-Fenster &löschen" entry. The core decides the
// value; the view shows it whole.

#include <string_view>

namespace zorbel::platform {

struct ReceptionChrome {
    std::string_view utf8RecordCaption;
    bool fileToolbarEnabled = true;
    bool formatToolbarEnabled = true;
    bool fileAndHelpMenusEnabled = true;
    bool rxLocked = false;
    bool rxClearEnabled = true;

    bool operator==(const ReceptionChrome&) const = default;
};

class ReceptionView {
public:
    virtual ~ReceptionView() = default;
    virtual void ShowChrome(const ReceptionChrome& chrome) = 0;
};

}  // namespace zorbel::platform
