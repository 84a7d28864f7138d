#include "win32/Printing.h"

#include <cderr.h>
#include <commdlg.h>
#include <richedit.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "capture/PrintLayout.h"
#include "win32/Handles.h"
#include "win32/SystemError.h"

namespace zorbel::win32 {
namespace {

constexpr wchar_t kDocumentName[] = L"ZORBEL Rx-Fenster";
constexpr int kTwipsPerInch = 1440;

platform::PrintFailure PrinterFailure() {
    // Printer drivers do not always leave an error code when a step fails.
    const DWORD error = GetLastError();
    return {error ? SystemErrorUtf8(error) : "Der Drucker meldet einen Fehler."};
}

class DeviceTextMeasure : public platform::TextMeasure {
public:
    explicit DeviceTextMeasure(HDC dc) : dc_(dc) {}
    int WidthOf(std::wstring_view wideText) const override {
        SIZE size{};
        GetTextExtentPoint32W(dc_, wideText.data(), static_cast<int>(wideText.size()), &size);
        return size.cx;
    }

private:
    HDC dc_;
};

PaperMetrics PaperOf(HDC dc) {
    return {GetDeviceCaps(dc, LOGPIXELSX),     GetDeviceCaps(dc, LOGPIXELSY),      GetDeviceCaps(dc, PHYSICALWIDTH),
            GetDeviceCaps(dc, PHYSICALHEIGHT), GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY),
            GetDeviceCaps(dc, HORZRES),        GetDeviceCaps(dc, VERTRES)};
}

// The Rx window's font at the printer's resolution (RichEdit keeps sizes in twips).
FontHandle PrinterFontOf(HWND rx, HDC dc) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    SendMessageW(rx, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    LOGFONTW font{};
    font.lfHeight = -MulDiv(format.yHeight, GetDeviceCaps(dc, LOGPIXELSY), kTwipsPerInch);
    font.lfWeight = (format.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (format.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    // The pitch too: without it Courier New may resolve to a proportional font.
    font.lfPitchAndFamily = format.bPitchAndFamily;
    lstrcpynW(font.lfFaceName, format.szFaceName, LF_FACESIZE);
    return FontHandle(CreateFontIndirectW(&font));
}

RECT ToTwips(const RECT& dots, const PaperMetrics& paper) {
    return {MulDiv(dots.left, kTwipsPerInch, paper.dotsPerInchX), MulDiv(dots.top, kTwipsPerInch, paper.dotsPerInchY),
            MulDiv(dots.right, kTwipsPerInch, paper.dotsPerInchX),
            MulDiv(dots.bottom, kTwipsPerInch, paper.dotsPerInchY)};
}

// One page of the job, given by its index in the layout.
using PageDrawer = std::function<void(int pageIndex)>;

// RichEdit's own pages of the range, each from its first character.
class RichEditPages {
public:
    RichEditPages(HWND rx, HDC dc, const PaperMetrics& paper, const PrintArea& area, int emptyLineHeight,
                  CHARRANGE range)
        : rx_(rx), range_(range) {
        layout_.hdc = layout_.hdcTarget = dc;
        layout_.rcPage = ToTwips({0, 0, paper.printableWidth, paper.printableHeight}, paper);
        const RECT areaDots{area.left, area.top, area.left + area.width, area.top + area.height};
        pageArea_ = ToTwips(areaDots, paper);
        // The first page starts one empty line further down.
        firstPageArea_ = ToTwips({areaDots.left, areaDots.top + emptyLineHeight, areaDots.right, areaDots.bottom},
                                 paper);
        for (LONG from = range.cpMin; from < range.cpMax;) {
            const LONG next = Format(from, false);
            // Wine's EM_FORMATRANGE lays out nothing and answers 0.
            if (next <= from) {
                starts_.clear();
                break;
            }
            starts_.push_back(from);
            from = next;
        }
    }
    ~RichEditPages() { SendMessageW(rx_, EM_FORMATRANGE, FALSE, 0); }
    RichEditPages(const RichEditPages&) = delete;
    RichEditPages& operator=(const RichEditPages&) = delete;

    int Count() const { return static_cast<int>(starts_.size()); }
    void Draw(int pageIndex) { Format(starts_[static_cast<std::size_t>(pageIndex)], true); }

private:
    LONG Format(LONG from, bool render) {
        layout_.rc = from == range_.cpMin ? firstPageArea_ : pageArea_;
        layout_.chrg = {from, range_.cpMax};
        return static_cast<LONG>(SendMessageW(rx_, EM_FORMATRANGE, render, reinterpret_cast<LPARAM>(&layout_)));
    }

    HWND rx_;
    CHARRANGE range_;
    FORMATRANGE layout_{};
    RECT pageArea_{};
    RECT firstPageArea_{};
    std::vector<LONG> starts_;
};

std::optional<platform::PrintFailure> PrintJob(HDC dc, int pageCount, int copies, bool collate,
                                               const PageDrawer& drawPage) {
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = kDocumentName;
    if (StartDocW(dc, &document) <= 0) return PrinterFailure();
    for (const int page : PageOrder(pageCount, copies, collate)) {
        if (StartPage(dc) <= 0) {
            const auto failure = PrinterFailure();
            AbortDoc(dc);
            return failure;
        }
        drawPage(page);
        if (EndPage(dc) <= 0) {
            const auto failure = PrinterFailure();
            AbortDoc(dc);
            return failure;
        }
    }
    if (EndDoc(dc) <= 0) return PrinterFailure();
    return std::nullopt;
}

std::string DialogFailure(DWORD error) {
    if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) return "Es ist kein Drucker eingerichtet.";
    return "Der Druckdialog meldet den Fehler " + std::to_string(error) + ".";
}

}  // namespace

std::optional<platform::PrintFailure> WindowsRxPrinter::PrintFromDialog(bool selectionOffered) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.hDevMode = devMode_.release();
    dialog.hDevNames = devNames_.release();
    // No page numbers; "Selection" only when there is one. Without a printer
    // the dialog stays silent (PD_NOWARNING) and our box says why.
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOWARNING |
                   (selectionOffered ? PD_SELECTION : PD_ALLPAGES | PD_NOSELECTION);
    dialog.nCopies = 1;
    const BOOL chosen = PrintDlgW(&dialog);
    devMode_.reset(dialog.hDevMode);
    devNames_.reset(dialog.hDevNames);
    if (!chosen) {
        const DWORD error = CommDlgExtendedError();
        if (error == 0) return std::nullopt;  // cancelled
        return platform::PrintFailure{DialogFailure(error)};
    }
    const DcHandle dc(dialog.hDC);
    if (!dc) return PrinterFailure();
    const bool selection = (dialog.Flags & PD_SELECTION) != 0;
    // Without PD_USEDEVMODECOPIESANDCOLLATE the copies are ours to print.
    const int copies = dialog.nCopies;
    const bool collate = (dialog.Flags & PD_COLLATE) != 0;

    const PaperMetrics paper = PaperOf(dc.get());
    const PrintArea area = AreaWithinMargins(paper);
    const FontHandle font = PrinterFontOf(rx_.Hwnd(), dc.get());
    const SelectedObject selected(dc.get(), font.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    const int lineHeight = std::max<int>(metrics.tmHeight + metrics.tmExternalLeading, 1);

    RichEditPages richEdit(rx_.Hwnd(), dc.get(), paper, area, lineHeight,
                           selection ? rx_.Selection() : CHARRANGE{0, rx_.TextLength()});
    if (richEdit.Count() > 0)
        return PrintJob(dc.get(), richEdit.Count(), copies, collate, [&](int page) { richEdit.Draw(page); });

    const std::vector<PrintedPage> pages = LayOutPages(selection ? rx_.SelectedWide() : rx_.WholeText(),
                                                       DeviceTextMeasure(dc.get()), area.width,
                                                       area.height / lineHeight);
    SetBkMode(dc.get(), TRANSPARENT);
    return PrintJob(dc.get(), static_cast<int>(pages.size()), copies, collate, [&](int page) {
        int top = area.top;
        for (const std::wstring& line : pages[static_cast<std::size_t>(page)]) {
            TextOutW(dc.get(), area.left, top, line.c_str(), static_cast<int>(line.size()));
            top += lineHeight;
        }
    });
}

}  // namespace zorbel::win32
