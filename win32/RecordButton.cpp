#include "win32/RecordButton.h"

#include <commctrl.h>

#include <utility>

#include "config/ProgramValues.h"
#include "win32/ChildWindow.h"
#include "win32/Encoding.h"

namespace zorbel::win32 {

void RecordButton::Create(const ChildPlace& at, Tooltips& tooltips, std::function<void()> onClick) {
    onClick_ = std::move(onClick);
    hwnd_ = CreateChildControl(at, WC_BUTTONW, Utf8ToWide(values::kRecordCaptionAtStart).c_str(),
                               BS_PUSHBUTTON | WS_TABSTOP);
    place_ = at.place;
    tooltips.Add(hwnd_, L"Mitlesen An/Aus");
}

void RecordButton::OnOwnCommand(int notificationCode) {
    if (notificationCode == BN_CLICKED) onClick_();
}

void RecordButton::SetCaption(std::string_view utf8Caption) {
    SetWindowTextW(hwnd_, Utf8ToWide(utf8Caption).c_str());
}

void RecordButton::MoveLeftEdgeTo(int left) {
    OffsetRect(&place_, left - place_.left, 0);
    PlaceWindow(hwnd_, place_);
}

}  // namespace zorbel::win32
