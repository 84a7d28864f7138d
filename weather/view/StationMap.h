#pragma once
// The station map as a whole: land, a graticule and one station model per
// station, fitted into a picture of the given size, with a title saying
// which bulletin, day and hour it shows and a note naming what it cannot show.

#include <string>
#include <vector>

#include "weather/SynopReport.h"
#include "weather/view/MapDrawing.h"
#include "weather/view/MapProjection.h"

namespace weather {

struct StationOnMap {
    std::size_t report = 0;  // its report's index in those the map was built from
    std::string name;   // the station table's name, else the index number or call sign
    MapPoint place;     // where the station lies
    MapPoint centre;    // where its model's circle stands: `place` unless moved aside
    bool fitted = true; // false: no room for the model; only the station's mark is drawn
    Drawing model;      // empty when not fitted
    MapBox box;         // around the model
    std::vector<MapPoint> leader;  // from the station's mark to the moved circle's rim; empty if not moved

    // Where the mouse shows the station's report: its model, or its mark when it has none.
    MapBox HoverArea(double unit) const;
};

struct MapScene {
    std::vector<std::vector<MapPoint>> land;  // closed outlines; holes are outlines too (even-odd)
    std::vector<Polyline> graticule;
    std::vector<Label> graticuleLabels;
    std::vector<StationOnMap> stations;
    std::vector<Label> notes;  // the title on top, below the map what it leaves out
};

// "SMDL01 EDZW vom 7., 06:00 UTC": the bulletins and the observation times
// of the reports (from the first to the last where they differ).
std::string MapTitle(const std::vector<SynopReport>& reports);

// `unit` is the station circle's radius in pixels; `text` how large the
// window's font writes. Reports without a position are named in a note; of
// several reports from one station the last one is shown. The map shows the
// stations' part of the sea with room around it, or the whole North Sea and
// Baltic when no station has a position.
MapScene BuildStationMap(const std::vector<SynopReport>& reports, double width, double height, double unit,
                         const TextSize& text = {});

}  // namespace weather
