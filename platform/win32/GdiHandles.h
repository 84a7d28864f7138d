#pragma once
// Owning handles for GDI and common-control objects.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace zorbel::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct ImageListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};

using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using BrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using ImageListHandle = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// A font of the given face and size in points, at the screen's DPI.
FontHandle MakeFont(const wchar_t* face, double points, int weight = FW_NORMAL, bool italic = false,
                    BYTE pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE);
// The system's message font (the font of message boxes and dialogs).
FontHandle MakeMessageFont();

}  // namespace zorbel::win32
