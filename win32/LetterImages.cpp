#include "win32/LetterImages.h"

namespace zorbel::win32 {

ImageListHandle MakeLetterImages(std::span<const LetterImage> letters, int sizePx) {
    ImageListHandle images(ImageList_Create(sizePx, sizePx, ILC_COLOR32 | ILC_MASK, 0, 4));
    HDC screen = GetDC(nullptr);
    const DcHandle dc(CreateCompatibleDC(screen));
    const COLORREF transparent = RGB(255, 0, 255);
    for (const LetterImage& image : letters) {
        BitmapHandle bitmap(CreateCompatibleBitmap(screen, sizePx, sizePx));
        {
            // Deselected at the block's end, before the image list copies the bitmap.
            const SelectedObject selectedBitmap(dc.get(), bitmap.get());
            RECT all{0, 0, sizePx, sizePx};
            BrushHandle background(CreateSolidBrush(transparent));
            FillRect(dc.get(), &all, background.get());

            LOGFONTW font{};
            font.lfHeight = -(sizePx * 7) / 8;
            font.lfWeight = image.bold ? FW_BOLD : FW_NORMAL;
            font.lfItalic = image.italic;
            font.lfUnderline = image.underline;
            font.lfQuality = NONANTIALIASED_QUALITY;  // clean edges against the mask colour
            lstrcpynW(font.lfFaceName, image.face, LF_FACESIZE);
            const FontHandle letterFont(CreateFontIndirectW(&font));
            const SelectedObject selectedFont(dc.get(), letterFont.get());
            SetBkMode(dc.get(), TRANSPARENT);
            SetTextColor(dc.get(), RGB(0, 0, 0));
            DrawTextW(dc.get(), &image.letter, 1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        ImageList_AddMasked(images.get(), bitmap.get(), transparent);
    }
    ReleaseDC(nullptr, screen);
    return images;
}

}  // namespace zorbel::win32
