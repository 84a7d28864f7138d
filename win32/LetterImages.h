#pragma once
// Toolbar images drawn as letters (the usual "F", "K", "U" of German
// formatting toolbars), so they scale with the screen and need no bitmaps.

#include <span>

#include "win32/Handles.h"

namespace zorbel::win32 {

struct LetterImage {
    wchar_t letter;
    const wchar_t* face;
    bool bold;
    bool italic;
    bool underline;
};

ImageListHandle MakeLetterImages(std::span<const LetterImage> letters, int sizePx);

}  // namespace zorbel::win32
