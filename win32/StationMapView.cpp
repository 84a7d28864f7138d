#include "win32/StationMapView.h"

#include <cmath>

#include "weather/ReportText.h"
#include "win32/Encoding.h"
#include "win32/Handles.h"
#include "win32/PngFile.h"
#include "win32/StationMapPainter.h"

namespace zorbel::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZorbelStationMap";
constexpr int kTipWidth = 420;  // pixels at 96 per inch

}  // namespace

bool StationMapView::Create(HWND parent, int id, const std::vector<weather::SynopReport>& reports) {
    reports_ = &reports;
    WNDCLASSEXW windowClass{};
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterWindowClass(windowClass)) return false;
    if (!CreateWindowOf({.className = kClassName,
                         .style = WS_CHILD | WS_CLIPSIBLINGS,
                         .x = 0, .y = 0, .width = 0, .height = 0,
                         .parent = parent,
                         .menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))}))
        return false;
    const HDC screen = GetDC(hwnd_);
    dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(hwnd_, screen);
    reportTips_.Create(hwnd_);
    reportTips_.AllowLines(MulDiv(kTipWidth, dpi_, 96));
    return true;
}

SIZE StationMapView::ClientSize() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return {client.right, client.bottom};
}

const weather::MapScene& StationMapView::SceneFor(SIZE size) {
    if (size.cx != sceneSize_.cx || size.cy != sceneSize_.cy) {
        const HDC screen = GetDC(hwnd_);
        const weather::TextSize text = MeasureMapText(screen, dpi_);
        ReleaseDC(hwnd_, screen);
        scene_ = weather::BuildStationMap(*reports_, size.cx, size.cy, StationUnitAt(dpi_), text);
        sceneSize_ = size;
        ShowReportsOnHover();
    }
    return scene_;
}

// One tooltip area per station, numbered from 1, replaced with each new scene.
void StationMapView::ShowReportsOnHover() {
    for (std::size_t area = 1; area <= tipAreas_; ++area) reportTips_.RemoveArea(hwnd_, area);
    tipAreas_ = scene_.stations.size();
    for (std::size_t index = 0; index < scene_.stations.size(); ++index) {
        const weather::StationOnMap& station = scene_.stations[index];
        const std::wstring text = Utf8ToWide(weather::ReadableReport((*reports_)[station.report]));
        reportTips_.AddArea(hwnd_, index + 1, text.c_str());
        const weather::MapBox box = station.HoverArea(StationUnitAt(dpi_));
        reportTips_.MoveArea(hwnd_, index + 1,
                             {std::lround(box.left), std::lround(box.top), std::lround(box.right), std::lround(box.bottom)});
    }
}

HBITMAP StationMapView::Render(HDC reference, SIZE size) {
    const DcHandle memory(CreateCompatibleDC(reference));
    HBITMAP bitmap = CreateCompatibleBitmap(reference, size.cx, size.cy);
    if (!memory || !bitmap) {
        if (bitmap) DeleteObject(bitmap);
        return nullptr;
    }
    const SelectedObject selected(memory.get(), bitmap);
    PaintStationMap(memory.get(), size, SceneFor(size), dpi_);
    return bitmap;
}

std::optional<std::string> StationMapView::SavePng(const std::wstring& widePath) {
    SIZE size = ClientSize();
    if (size.cx <= 0 || size.cy <= 0) return "Die Karte hat keine Größe.";
    const HDC screen = GetDC(hwnd_);
    const BitmapHandle picture(Render(screen, size));
    ReleaseDC(hwnd_, screen);
    if (!picture) return "Für das Bild ist nicht genug Speicher frei.";
    return SaveBitmapAsPng(picture.get(), widePath);
}

LRESULT StationMapView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the whole area is painted from the bitmap
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd_, &paint);
        const SIZE size = ClientSize();
        if (size.cx > 0 && size.cy > 0) {
            if (const BitmapHandle picture{Render(dc, size)}) {
                const DcHandle memory(CreateCompatibleDC(dc));
                const SelectedObject selected(memory.get(), picture.get());
                BitBlt(dc, 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
            }
        }
        EndPaint(hwnd_, &paint);
        return 0;
    }
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace zorbel::win32
