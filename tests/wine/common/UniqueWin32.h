// Owning wrappers for the Win32 handles the bench and its probe hold: the
// program's own kernel handle and view types, plus a hook and a library.
#pragma once

#include <windows.h>

#include "win32/Handles.h"

namespace bench {

using UniqueHandle = zorbel::win32::KernelHandle;
using UniqueView = zorbel::win32::MappedView;

struct HookRemover {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};
using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRemover>;

struct LibraryFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

}  // namespace bench
