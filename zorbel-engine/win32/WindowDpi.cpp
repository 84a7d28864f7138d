#include "zorbel-engine/win32/WindowDpi.h"

namespace zorbel::engine_side {
namespace {

int SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int DpiOf(HWND window) {
    // Looked up, not linked: older Windows lack it and would refuse to start the program.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = window && getDpiForWindow ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

win32::FontHandle MessageFontFor(int dpi) {
    // The system gives its metrics at the system's DPI, whatever screen the window is on.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return win32::FontHandle(CreateFontIndirectW(&metrics.lfMessageFont));
}

win32::FontHandle FixedFontFor(int dpi) {
    // Wine resolves "Courier New" to a proportional face unless fixed pitch is asked for.
    return win32::FontHandle(CreateFontW(-MulDiv(13, dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                         FIXED_PITCH | FF_MODERN, L"Courier New"));
}

}  // namespace zorbel::engine_side
