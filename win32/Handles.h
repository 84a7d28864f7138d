#pragma once
// Owning handles for the Windows objects the program creates: kernel objects,
// files, mapped views, GDI objects, image lists and windows.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace zorbel::win32 {

struct KernelHandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct ViewUnmapper {
    void operator()(void* view) const { UnmapViewOfFile(view); }
};
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct ImageListDeleter {
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};

// A mapping, process or thread handle; 0 means none.
using KernelHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;
using MappedView = std::unique_ptr<void, ViewUnmapper>;
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using BrushHandle = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using PenHandle = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;
using ImageListHandle = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;
// A memory or printer device context (CreateCompatibleDC, PrintDlg), not one from GetDC.
using DcHandle = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
// A window not yet handed over to its place.
using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// Keeps a GDI object selected into a device context while it lives, and puts
// the previous one back: an object still selected cannot be deleted.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A file handle. CreateFile reports failure as INVALID_HANDLE_VALUE, not 0,
// so both count as none here.
class FileHandle {
public:
    explicit FileHandle(HANDLE file) : file_(file == INVALID_HANDLE_VALUE ? nullptr : file) {}
    HANDLE get() const { return file_.get(); }
    explicit operator bool() const { return static_cast<bool>(file_); }

private:
    KernelHandle file_;
};

}  // namespace zorbel::win32
