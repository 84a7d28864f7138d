#include "win32/PngFile.h"

// WIN32_LEAN_AND_MEAN leaves out the COM types GDI+'s header needs; its
// classes want min and max, which NOMINMAX leaves out.
#include <objidl.h>
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <memory>

namespace zorbel::win32 {
namespace {

// GDI+'s built-in PNG encoder.
constexpr CLSID kPngEncoder{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

class GdiplusSession {
public:
    GdiplusSession() {
        const Gdiplus::GdiplusStartupInput input;
        started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (started_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    bool Started() const { return started_; }

private:
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

struct ImageDisposer {
    void operator()(Gdiplus::GpImage* image) const { Gdiplus::DllExports::GdipDisposeImage(image); }
};

std::string Failure(Gdiplus::GpStatus status) {
    return "GDI+ meldet Fehler " + std::to_string(static_cast<int>(status)) + ".";
}

}  // namespace

std::optional<std::string> SaveBitmapAsPng(HBITMAP bitmap, const std::wstring& widePath) {
    const GdiplusSession session;
    if (!session.Started()) return "GDI+ ist nicht verfügbar.";
    Gdiplus::GpBitmap* image = nullptr;
    if (const auto status = Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image);
        status != Gdiplus::Ok)
        return Failure(status);
    const std::unique_ptr<Gdiplus::GpImage, ImageDisposer> owned(image);
    if (const auto status = Gdiplus::DllExports::GdipSaveImageToFile(owned.get(), widePath.c_str(), &kPngEncoder,
                                                                     nullptr);
        status != Gdiplus::Ok)
        return Failure(status);
    return std::nullopt;
}

}  // namespace zorbel::win32
