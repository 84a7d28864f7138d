#pragma once
// A small flat toolbar placed by its parent, with a tooltip for each button.

#include <windows.h>
#include <commctrl.h>

#include <span>

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
    void CreateWithStandardImages(HWND parent, int id, const RECT& place, bool large,
                                  std::span<const ToolbarButton> buttons);
    // Images from an image list that the caller keeps alive.
    void CreateWithImages(HWND parent, int id, const RECT& place, HIMAGELIST images,
                          std::span<const ToolbarButton> buttons);

    HWND Hwnd() const { return hwnd_; }
    void SetEnabled(bool enabled);

private:
    void CreateWindowOnly(HWND parent, int id);
    void AddButtons(std::span<const ToolbarButton> buttons);

    HWND hwnd_ = nullptr;
};

}  // namespace zorbel::win32
