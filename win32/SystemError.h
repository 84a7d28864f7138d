#pragma once
// The system's own description of an error code, for boxes that say why.

#include <windows.h>

#include <string>

namespace zorbel::win32 {

// UTF-8, without the line end the system appends; "Fehler <code>" when the
// system has no text for it.
std::string SystemErrorUtf8(DWORD error);

}  // namespace zorbel::win32
