#pragma once
// The station map as a whole: land, a graticule and one
// station model per station, fitted into a picture of the given size.

#include <vector>

#include "weather/SynopReport.h"
#include "weather/view/MapDrawing.h"
#include "weather/view/MapProjection.h"

namespace weather {

struct MapScene {
    std::vector<std::vector<MapPoint>> land;  // closed outlines; holes are outlines too (even-odd)
    std::vector<Polyline> graticule;
    std::vector<Label> graticuleLabels;
    std::vector<Drawing> stations;
};

// `unit` is the station circle's radius in pixels. Reports without a position
// are left out; of several reports from one station the last one is shown.
// The map shows the stations' part of the sea with room around it, or the
// whole North Sea and Baltic when no station has a position.
MapScene BuildStationMap(const std::vector<SynopReport>& reports, double width, double height, double unit);

}  // namespace weather
