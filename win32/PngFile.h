#pragma once
// Bitmaps written as PNG files and read back through GDI+, which Windows and Wine both have.

#include <windows.h>

#include <optional>
#include <string>
#include <variant>

#include "win32/Handles.h"

namespace zorbel::win32 {

// None on success, else why not (UTF-8, German).
std::optional<std::string> SaveBitmapAsPng(HBITMAP bitmap, const std::wstring& widePath);

// The picture of a PNG file (or any other GDI+ reads) as a bitmap of the
// screen's kind, or why not (UTF-8, German).
std::variant<BitmapHandle, std::string> LoadPicture(const std::wstring& widePath);

}  // namespace zorbel::win32
