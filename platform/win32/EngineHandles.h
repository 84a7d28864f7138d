#pragma once
// Owning handles for the engine link's kernel objects and the mapped view.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace zorbel::win32 {

struct KernelHandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct ViewUnmapper {
    void operator()(void* view) const { UnmapViewOfFile(view); }
};

// A mapping, process or thread handle; 0 means none.
using KernelHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;
using MappedView = std::unique_ptr<void, ViewUnmapper>;

}  // namespace zorbel::win32
