#pragma once
// The station model of a weather chart for one report: the station circle
// filled by the total cloud cover, the wind barb reaching toward where the
// wind comes from, temperature and dew point to the left, pressure and its
// change to the right, and the present-weather sign where one fits.

#include <optional>
#include <string>

#include "weather/SynopReport.h"
#include "weather/view/MapDrawing.h"

namespace weather {

// Pennants of 50 knots, full barbs of 10 and a half barb of 5, for the speed
// rounded to the nearest 5 knots.
struct BarbFeathers {
    int pennants = 0;
    int full = 0;
    int half = 0;
    bool operator==(const BarbFeathers&) const = default;
};
BarbFeathers FeathersFor(double knots);

// The sea-level pressure's last three figures with the tenth: 1013.2 -> "132".
std::string PressureFigure(double hPa);
// Whole degrees: 12.4 -> "12", -2.5 -> "-3", -0.4 -> "0".
std::string TemperatureFigure(double celsius);
// The change of the last three hours in tenths, signed: +1.2 -> "+12", -0.5 -> "-05".
std::string TendencyFigure(double hPa);

// The wind barb of a station whose circle has radius `unit`: the shaft points
// toward `fromOnScreenDeg` (clockwise from straight up), the feathers stand on
// its clockwise side as in the northern hemisphere, pennants outermost.
Drawing DrawWindBarb(MapPoint centre, double fromOnScreenDeg, double knots, double unit);

// The station circle for N eighths of cloud; 9, sky obscured, crossed out;
// none (not observed or not reported) struck through once.
Drawing DrawCloudCover(MapPoint centre, std::optional<int> octas, double unit);

// What stands around the station circle, each apart: the wind barb, every
// figure, the weather sign; `northOnScreenDeg` turns true wind directions
// into the map's.
struct StationModelParts {
    Drawing barb;     // empty in a calm, a variable wind or without a direction
    Drawing figures;  // labels only
    Drawing sign;
};
StationModelParts DrawStationModelParts(const SynopReport& report, MapPoint centre, double northOnScreenDeg,
                                        double unit);

// The whole model around `centre`: the circle (and the calm ring) with its parts.
Drawing DrawStationModel(const SynopReport& report, MapPoint centre, double northOnScreenDeg, double unit);

}  // namespace weather
