#include "zorbel-engine/win32/SignalView.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "win32/CallbackBoundary.h"
#include "zorbel-engine/EngineLayout.h"
#include "zorbel-engine/WaterfallColour.h"
#include "zorbel-engine/win32/WindowDpi.h"

namespace zorbel::engine_side {
namespace {

constexpr wchar_t kClassName[] = L"ZorbelSignalView";
constexpr double kTopHz = 3000.0;
constexpr double kRangeDb = 45.0;  // from the top level down to the floor
constexpr double kToneRangeDb = 30.0;  // of the tuning indicator
constexpr int kTuningWidth = 64;  // at 96 pixels per inch, as the other lengths below
constexpr COLORREF kBackground = RGB(10, 16, 32);
constexpr COLORREF kGrid = RGB(45, 60, 90);
constexpr COLORREF kTrace = RGB(120, 230, 120);
constexpr COLORREF kMarkColour = RGB(255, 80, 80);
constexpr COLORREF kSpaceColour = RGB(80, 170, 255);


void FillArea(HDC dc, const RECT& area, COLORREF colour) {
    const win32::BrushHandle brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

void Line(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour, int style = PS_SOLID) {
    const win32::PenHandle pen(CreatePen(style, 1, colour));
    const win32::SelectedObject selected(dc, pen.get());
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void Label(HDC dc, int x, int y, const std::wstring& text, COLORREF colour) {
    SetTextColor(dc, colour);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

bool SignalView::Create(HWND parent, int controlId) {
    WNDCLASSEXW windowClass{};
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32515));  // the cross: pick a tone
    // Every part of the picture depends on its size: resized, all of it is painted anew, not only the part uncovered
    // (which left the old tuning bars standing beside the new ones, and the markers where they were).
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpszClassName = kClassName;
    return RegisterWindowClass(windowClass) &&
           CreateWindowOf({.className = kClassName,
                           .style = WS_CHILD | WS_VISIBLE,
                           .x = 0,
                           .y = 0,
                           .width = 0,
                           .height = 0,
                           .parent = parent,
                           .menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId))});
}

void SignalView::Show(const SignalFrame& frame) {
    powerDb_.assign(frame.powerDb.begin(), frame.powerDb.end());
    binHz_ = frame.binHz;
    markToneHz_ = frame.markToneHz;
    spaceToneHz_ = frame.spaceToneHz;
    markLevelDb_ = frame.markLevelDb;
    spaceLevelDb_ = frame.spaceLevelDb;
    toneTopDb_ = std::max({markLevelDb_, spaceLevelDb_, toneTopDb_ - 0.3});
    // The top follows a louder signal at once and a weaker one slowly, so that the picture does not pump.
    const auto shown = std::min(powerDb_.size(), static_cast<std::size_t>(kTopHz / binHz_) + 1);
    const float strongest = shown ? *std::max_element(powerDb_.begin(), powerDb_.begin() + shown) : -120.0f;
    topDb_ = std::max<double>(strongest, topDb_ - 0.5);
    topDb_ = std::max(topDb_, -100.0 + kRangeDb);

    // The new waterfall lines, newest at the top.
    const std::size_t bins = powerDb_.size();
    const auto lines = bins ? std::min(frame.waterfallDb.size() / bins, static_cast<std::size_t>(waterfallRows_)) : 0;
    if (waterfallWidth_ > 0 && lines > 0) {
        const auto width = static_cast<std::size_t>(waterfallWidth_);
        std::move_backward(waterfall_.begin(), waterfall_.end() - static_cast<std::ptrdiff_t>(lines * width),
                           waterfall_.end());
        const auto newest = frame.waterfallDb.last(lines * bins);
        for (std::size_t row = 0; row < lines; ++row) {
            const auto line = newest.subspan((lines - 1 - row) * bins, bins);
            for (std::size_t x = 0; x < width; ++x)
                waterfall_[row * width + x] = WaterfallColour(LevelAt(line, kTopHz * (x + 0.5) / waterfallWidth_));
        }
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void SignalView::ShowTones(double markToneHz, double spaceToneHz) {
    markToneHz_ = markToneHz;
    spaceToneHz_ = spaceToneHz;
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void SignalView::SetDpi(int dpi) {
    dpi_ = dpi;
    labelFont_ = MessageFontFor(dpi);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

int SignalView::Scaled(int pixelsAt96) const { return ScaledToDpi(pixelsAt96, dpi_); }

LRESULT SignalView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the paint covers everything; erasing first would flicker
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd_, &paint);
        RECT client{};
        GetClientRect(hwnd_, &client);
        // Caught here, not above: without EndPaint the next paint would fail again, box after box.
        win32::CatchAtCallbackBoundary(0, [&] {
            Paint(dc, client);
            return 0;
        });
        EndPaint(hwnd_, &paint);
        return 0;
    }
    case WM_LBUTTONDOWN:
    {
        RECT client{};
        GetClientRect(hwnd_, &client);
        const int width = client.right - Scaled(kTuningWidth);
        const int x = static_cast<short>(LOWORD(lParam));
        if (width > 0 && x < width && markChosen_) markChosen_(kTopHz * x / width);
        return 0;
    }
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

void SignalView::Paint(HDC target, const RECT& client) {
    const int width = client.right - client.left, height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    const win32::DcHandle dc(CreateCompatibleDC(target));
    const win32::BitmapHandle bitmap(CreateCompatibleBitmap(target, width, height));
    const win32::SelectedObject selectedBitmap(dc.get(), bitmap.get());
    const win32::SelectedObject selectedFont(dc.get(), labelFont_ ? labelFont_.get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc.get(), TRANSPARENT);

    const int left = width - Scaled(kTuningWidth);
    const int spectrumBottom = height * 45 / 100;
    PaintSpectrum(dc.get(), RECT{0, 0, left, spectrumBottom});
    PaintWaterfall(dc.get(), RECT{0, spectrumBottom, left, height});
    PaintTuning(dc.get(), RECT{left, 0, width, height});

    BitBlt(target, 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
}

int SignalView::XOf(double frequencyHz, const RECT& area) const {
    return area.left + static_cast<int>(std::lround(frequencyHz / kTopHz * (area.right - area.left)));
}

double SignalView::LevelAt(std::span<const float> powerDb, double frequencyHz) const {
    if (powerDb.empty()) return 0.0;
    const auto bin = std::clamp<long>(std::lround(frequencyHz / binHz_), 0, static_cast<long>(powerDb.size()) - 1);
    return std::clamp((powerDb[static_cast<std::size_t>(bin)] - (topDb_ - kRangeDb)) / kRangeDb, 0.0, 1.0);
}

void SignalView::PaintSpectrum(HDC dc, const RECT& area) const {
    FillArea(dc, area, kBackground);
    const int height = area.bottom - area.top;
    for (int hz = 500; hz < kTopHz; hz += 500) {
        const int x = XOf(hz, area);
        Line(dc, x, area.top, x, area.bottom, kGrid, PS_DOT);
        Label(dc, x + Scaled(2), area.top + Scaled(1), std::to_wstring(hz), kGrid);
    }
    const int width = area.right - area.left;
    if (!powerDb_.empty() && width > 1) {
        std::vector<POINT> trace(static_cast<std::size_t>(width));
        for (int x = 0; x < width; ++x) {
            const double level = LevelAt(powerDb_, kTopHz * x / (width - 1));
            trace[static_cast<std::size_t>(x)] = {area.left + x,
                                                  area.bottom - 1 - static_cast<int>(level * (height - Scaled(14)))};
        }
        const win32::PenHandle pen(CreatePen(PS_SOLID, 1, kTrace));
        const win32::SelectedObject selected(dc, pen.get());
        Polyline(dc, trace.data(), static_cast<int>(trace.size()));
    }
    for (const auto& [hz, colour, name] : {std::tuple{markToneHz_, kMarkColour, L"M"},
                                           std::tuple{spaceToneHz_, kSpaceColour, L"S"}}) {
        if (hz <= 0.0) continue;
        const int x = XOf(hz, area);
        Line(dc, x, area.top + Scaled(28), x, area.bottom, colour, PS_DASH);
        // On its own ground above the line, so that a peak running through the letter leaves it readable.
        SetBkColor(dc, kBackground);
        SetBkMode(dc, OPAQUE);
        Label(dc, x - Scaled(3), area.top + Scaled(14), name, colour);
        SetBkMode(dc, TRANSPARENT);
    }
}

void SignalView::PaintWaterfall(HDC dc, const RECT& area) {
    const int width = area.right - area.left, rows = area.bottom - area.top;
    if (width <= 0 || rows <= 0) return;
    if (width != waterfallWidth_ || rows != waterfallRows_) {
        waterfallWidth_ = width;
        waterfallRows_ = rows;
        waterfall_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows), 0);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -rows;  // top-down: the first line is the newest
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, area.left, area.top, static_cast<DWORD>(width), static_cast<DWORD>(rows), 0, 0, 0,
                      static_cast<UINT>(rows), waterfall_.data(), &info, DIB_RGB_COLORS);
    for (const auto& [hz, colour] : {std::pair{markToneHz_, kMarkColour}, std::pair{spaceToneHz_, kSpaceColour}}) {
        if (hz <= 0.0) continue;
        const int x = XOf(hz, area);
        Line(dc, x, area.top, x, area.top + Scaled(6), colour);
    }
}

void SignalView::PaintTuning(HDC dc, const RECT& area) const {
    FillArea(dc, area, RGB(20, 20, 20));
    const int barWidth = (area.right - area.left - Scaled(18)) / 2;
    const int top = area.top + Scaled(18), bottom = area.bottom - Scaled(6);
    int x = area.left + Scaled(6);
    for (const auto& [levelDb, colour, name] : {std::tuple{markLevelDb_, kMarkColour, L"M"},
                                                std::tuple{spaceLevelDb_, kSpaceColour, L"S"}}) {
        const double level = std::clamp((levelDb - (toneTopDb_ - kToneRangeDb)) / kToneRangeDb, 0.0, 1.0);
        const RECT frame{x, top, x + barWidth, bottom};
        FillArea(dc, frame, RGB(40, 40, 40));
        const RECT bar{x, bottom - static_cast<int>(level * (bottom - top)), x + barWidth, bottom};
        FillArea(dc, bar, colour);
        Label(dc, x + barWidth / 2 - Scaled(3), area.top + Scaled(2), name, colour);
        x += barWidth + Scaled(6);
    }
}

}  // namespace zorbel::engine_side
