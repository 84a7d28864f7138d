#pragma once
// The Rx window: a RichEdit control that receives text at its end and
// holds the document the user opens and saves.

#include <windows.h>
#include <richedit.h>

#include <string>
#include <string_view>

#include "platform/RxDocumentView.h"
#include "platform/RxEditListener.h"
#include "platform/RxView.h"
#include "win32/ControlNotifications.h"
#include "win32/Handles.h"
#include "win32/WindowSubclass.h"

namespace zorbel::win32 {

class RxWindow : public platform::RxView, public platform::RxDocumentView, public NotifyingControl {
public:
    // Leaves the window missing (Exists() false) when RichEdit cannot be loaded.
    // The listener hears of changes and keys when the parent hands the
    // window's notifications back to it; none where nobody listens.
    void Create(HWND parent, int id, platform::RxEditListener* listener = nullptr);
    HWND Hwnd() const override { return hwnd_; }

    // Changes and keys reach the listener; typing marks the text as the user's.
    void OnOwnCommand(int notificationCode) override;
    std::optional<LRESULT> OnOwnNotify(const NMHDR& header) override;

    void AppendAtEnd(std::string_view cp1252Text) override;
    bool IsEmpty() const override;
    bool HasSelection() const override;
    bool Exists() const override { return hwnd_ != nullptr; }
    std::string SelectedText() const override;
    void Clear() override;
    void ResetFormat(std::string_view utf8FontName, int pointSize) override;

    std::string RtfBytes() const override;
    // A NUL shown as its symbol comes back as NUL.
    std::wstring PlainText() const override;
    bool ReplaceWithRtf(std::string_view rtfBytes) override;
    void ReplaceWithText(std::wstring_view wideText) override;

    // Locks the text against the user's editing (true) or frees it.
    void SetLocked(bool locked);
    long TextLength() const;

    // For search and format: texts and positions as the control counts them
    // (a line end is one character, where WM_GETTEXT gives two).
    // The text with EM_GETTEXTEX's flags, `length` characters at most.
    std::wstring TextAs(DWORD getTextFlags, long length) const;
    std::wstring WholeText() const;
    std::wstring SelectedWide() const;
    CHARRANGE Selection() const;
    void Select(CHARRANGE range);
    CHARFORMAT2W SelectionFormat() const;
    // Only the attributes named in format.dwMask change.
    void FormatSelection(const CHARFORMAT2W& format);
    // The font of the whole window, every run included.
    void SetWholeWindowFont(const wchar_t* fontName, int pointSize);

private:
    // The subclass, text limit and change notices of a newly created control.
    void Prepare(LPARAM eventMask);
    void ApplyDefaultFormat();
    void ResumeRedraw();
    // An empty, hidden control of the same kind, place, style and default
    // format as the current one; none when it cannot be made.
    WindowHandle CreateLikeCurrent() const;
    // Shows `fresh` in the current control's place, which it takes over.
    void PutInPlace(WindowHandle fresh);
    // Replaces the control by an empty one of the same kind.
    void StartEmpty();
    // Loads a whole content into an empty control without change notices or
    // drawing, and puts it in place only when `load` reports success: a
    // failed load leaves the current text as it was.
    template <typename Load>
    bool ReplaceQuietly(Load load);

    HWND hwnd_ = nullptr;
    platform::RxEditListener* listener_ = nullptr;
    bool redrawSuspended_ = false;
    WindowSubclass subclass_;
};

}  // namespace zorbel::win32
