#pragma once
// What the Rx window reports of changes to its text, for the line count and
// the unsaved mark.

namespace zorbel::platform {

class RxEditListener {
public:
    virtual ~RxEditListener() = default;
    // The text changed, by an append or by the user.
    virtual void RxTextChanged() = 0;
    // A key went down in the window, before the control handles it.
    virtual void RxKeyDown(int keyCode) = 0;
    // The user typed or deleted in the window while it was not locked.
    virtual void RxEditedByUser() = 0;
};

}  // namespace zorbel::platform
