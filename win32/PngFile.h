#pragma once
// A bitmap written as a PNG file through GDI+, which Windows and Wine both have.

#include <windows.h>

#include <optional>
#include <string>

namespace zorbel::win32 {

// None on success, else why not (UTF-8, German).
std::optional<std::string> SaveBitmapAsPng(HBITMAP bitmap, const std::wstring& widePath);

}  // namespace zorbel::win32
