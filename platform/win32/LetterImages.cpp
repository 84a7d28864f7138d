#include "platform/win32/LetterImages.h"

namespace zorbel::win32 {

ImageListHandle MakeLetterImages(std::span<const LetterImage> letters, int sizePx) {
    ImageListHandle images(ImageList_Create(sizePx, sizePx, ILC_COLOR32 | ILC_MASK, 0, 4));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    const COLORREF transparent = RGB(255, 0, 255);
    for (const LetterImage& image : letters) {
        BitmapHandle bitmap(CreateCompatibleBitmap(screen, sizePx, sizePx));
        HGDIOBJ previousBitmap = SelectObject(dc, bitmap.get());
        RECT all{0, 0, sizePx, sizePx};
        BrushHandle background(CreateSolidBrush(transparent));
        FillRect(dc, &all, background.get());

        LOGFONTW font{};
        font.lfHeight = -(sizePx * 7) / 8;
        font.lfWeight = image.bold ? FW_BOLD : FW_NORMAL;
        font.lfItalic = image.italic;
        font.lfUnderline = image.underline;
        font.lfQuality = NONANTIALIASED_QUALITY;  // clean edges against the mask colour
        lstrcpynW(font.lfFaceName, image.face, LF_FACESIZE);
        FontHandle letterFont(CreateFontIndirectW(&font));
        HGDIOBJ previousFont = SelectObject(dc, letterFont.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextW(dc, &image.letter, 1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previousFont);
        SelectObject(dc, previousBitmap);
        ImageList_AddMasked(images.get(), bitmap.get(), transparent);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return images;
}

}  // namespace zorbel::win32
