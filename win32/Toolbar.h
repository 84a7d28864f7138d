#pragma once
// A small flat toolbar placed by its parent, with a tooltip for each button.

#include <windows.h>
#include <commctrl.h>

#include <span>

#include "win32/ChildWindow.h"

namespace zorbel::win32 {

struct ToolbarButton {
    int commandId;
    int image;  // index in the toolbar's image list
    const wchar_t* tooltip;
};

class Toolbar {
public:
    // Images from the system's standard bitmaps (open, save, print, ...),
    // the large set for screens with more than the usual pixels per inch.
    void CreateWithStandardImages(const ChildPlace& at, bool large, std::span<const ToolbarButton> buttons);
    // Images from an image list that the caller keeps alive.
    void CreateWithImages(const ChildPlace& at, HIMAGELIST images, std::span<const ToolbarButton> buttons);

    HWND Hwnd() const { return hwnd_; }
    void SetEnabled(bool enabled);

private:
    void CreateWindowOnly(const ChildPlace& at);
    void AddButtons(std::span<const ToolbarButton> buttons);

    HWND hwnd_ = nullptr;
};

}  // namespace zorbel::win32
