#pragma once
// A chart's grey elements as an 8-bit bitmap with a grey palette, for
// drawing with GDI.

#include "decoder/GreyImage.h"
#include "win32/Handles.h"

namespace zorbel::engine_side {

win32::BitmapHandle GreyBitmap(const decoder::GreyImage& grey);

}  // namespace zorbel::engine_side
