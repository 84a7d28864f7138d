#include "win32/Fonts.h"

#include "win32/Twips.h"

namespace zorbel::win32 {

FontHandle MakeFont(const wchar_t* face, double points, int weight, bool italic, BYTE pitchAndFamily) {
    LOGFONTW font{};
    font.lfHeight = Twips::ForScreen().FontHeight(points);
    font.lfWeight = weight;
    font.lfItalic = italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = pitchAndFamily;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return FontHandle(CreateFontIndirectW(&font));
}

FontHandle MakeMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return FontHandle(CreateFontIndirectW(&metrics.lfMessageFont));
}

int TextWidthInFontOf(HWND control, std::wstring_view text) {
    HDC dc = GetDC(control);
    if (!dc) return 0;
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size.cx;
}

}  // namespace zorbel::win32
