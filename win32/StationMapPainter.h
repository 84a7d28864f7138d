#pragma once
// Puts the station map's shapes on a device context with GDI: sea, land,
// graticule and the station models, pens and fonts chosen by role and scaled
// with the screen's pixels per inch.

#include <windows.h>

#include "weather/view/StationMap.h"

namespace zorbel::win32 {

// How large the map's figures come out at `dpi`, for placing the models.
weather::TextSize MeasureMapText(HDC dc, int dpi);

// The station circle's radius in pixels at `dpi`.
double StationUnitAt(int dpi);

void PaintStationMap(HDC dc, SIZE size, const weather::MapScene& scene, int dpi);

}  // namespace zorbel::win32
