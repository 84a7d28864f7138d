#include "shell/RxFormat.h"

#include <commdlg.h>
#include <winspool.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace zorbel::shell {
namespace {

constexpr DWORD kCharFormatTwipsPerPoint = 20;

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct PrinterCloser {
    void operator()(HANDLE printer) const { ClosePrinter(printer); }
};
using DcHandle = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using PrinterHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, PrinterCloser>;

// The default printer's information context for its fonts, or none when
// there is no printer or it is offline: asking an offline printer for its
// fonts can stall the dialog for a long time.
HDC ReachablePrinterContext() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0) return nullptr;
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) return nullptr;
    HANDLE opened = nullptr;
    if (!OpenPrinterW(name.data(), &opened, nullptr)) return nullptr;
    const PrinterHandle printer(opened);
    DWORD needed = 0;
    GetPrinterW(printer.get(), 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    if (!needed || !GetPrinterW(printer.get(), 2, info.data(), needed, &needed)) return nullptr;
    const auto& details = *reinterpret_cast<const PRINTER_INFO_2W*>(info.data());
    if ((details.Status & PRINTER_STATUS_OFFLINE) || (details.Attributes & PRINTER_ATTRIBUTE_WORK_OFFLINE))
        return nullptr;
    return CreateICW(nullptr, name.c_str(), nullptr, nullptr);
}

LOGFONTW LogFontOf(const CHARFORMAT2W& format, HWND owner) {
    LOGFONTW font{};
    const HDC screen = GetDC(owner);
    font.lfHeight = -MulDiv(format.yHeight, GetDeviceCaps(screen, LOGPIXELSY), 72 * kCharFormatTwipsPerPoint);
    ReleaseDC(owner, screen);
    font.lfWeight = (format.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (format.dwEffects & CFE_ITALIC) != 0;
    font.lfUnderline = (format.dwEffects & CFE_UNDERLINE) != 0;
    font.lfStrikeOut = (format.dwEffects & CFE_STRIKEOUT) != 0;
    font.lfCharSet = format.bCharSet;
    font.lfPitchAndFamily = format.bPitchAndFamily;
    lstrcpynW(font.lfFaceName, format.szFaceName, LF_FACESIZE);
    return font;
}

}  // namespace

void ChooseFontForSelection(HWND owner, win32::RxWindow& rx) {
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const CHARRANGE selection = rx.Selection();
    const CHARFORMAT2W current = rx.SelectionFormat();
    LOGFONTW font = LogFontOf(current, owner);
    const DcHandle printer(ReachablePrinterContext());

    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.hDC = printer.get();
    dialog.lpLogFont = &font;
    dialog.iPointSize = current.yHeight / 2;  // tenths of a point
    dialog.rgbColors = (current.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : current.crTextColor;
    dialog.Flags = CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | (printer ? CF_BOTH : CF_SCREENFONTS);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (!ChooseFontW(&dialog)) return;

    CHARFORMAT2W chosen{};
    chosen.cbSize = sizeof(chosen);
    chosen.dwMask = CFM_FACE | CFM_CHARSET | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_STRIKEOUT | CFM_UNDERLINE |
                    CFM_COLOR;
    lstrcpynW(chosen.szFaceName, font.lfFaceName, LF_FACESIZE);
    chosen.bCharSet = font.lfCharSet;
    chosen.bPitchAndFamily = font.lfPitchAndFamily;
    chosen.yHeight = dialog.iPointSize * 2;
    chosen.dwEffects = (font.lfWeight >= FW_BOLD ? CFE_BOLD : 0) | (font.lfItalic ? CFE_ITALIC : 0) |
                       (font.lfStrikeOut ? CFE_STRIKEOUT : 0) | (font.lfUnderline ? CFE_UNDERLINE : 0);
    chosen.crTextColor = dialog.rgbColors;
    // Reception may have moved the caret to the end while the dialog was open.
    rx.Select(selection);
    rx.FormatSelection(chosen);
}

void SwitchOnInSelection(win32::RxWindow& rx, DWORD effect) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = effect;  // CFM_BOLD equals CFE_BOLD, and so on
    format.dwEffects = effect;
    rx.FormatSelection(format);
}

}  // namespace zorbel::shell
