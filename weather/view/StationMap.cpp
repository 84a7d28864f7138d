#include "weather/view/StationMap.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

#include "weather/view/CoastlineData.h"
#include "weather/view/StationModel.h"

namespace weather {
namespace {

constexpr double kMarginUnits = 3.0;  // room for the models of stations on the area's edge

// The land as far as the prepared data reaches, beyond the area itself.
constexpr MapArea kLandReach{46.0, 70.0, -16.0, 42.0};

// Around the stations shown: room for their models and some coast to know
// the place by, and never so close that a bulletin of two stations fills the
// window with one headland. A degree of longitude is about half a degree of
// latitude up here.
constexpr double kRoomAroundDeg = 1.5;
constexpr double kLeastLatitudeSpanDeg = 6.0;
constexpr double kLongitudePerLatitude = 2.0;

// [low, high] grown to `least` about its middle, then moved inside [floor, ceiling].
void Widen(double& low, double& high, double least, double floor, double ceiling) {
    if (high - low < least) {
        const double middle = (low + high) / 2;
        low = middle - least / 2, high = middle + least / 2;
    }
    if (low < floor) high += floor - low, low = floor;
    if (high > ceiling) low -= high - ceiling, high = ceiling;
    low = std::max(low, floor);
}

std::vector<const SynopReport*> ShownReports(const std::vector<SynopReport>& reports) {
    std::unordered_map<std::string, std::size_t> latestOf;
    std::vector<const SynopReport*> shown;
    for (const SynopReport& report : reports) {
        if (!report.latitudeDeg || !report.longitudeDeg || report.isNil) continue;
        const auto [entry, isNew] = latestOf.emplace(report.station, shown.size());
        if (isNew) shown.push_back(&report);
        else shown[entry->second] = &report;
    }
    return shown;
}

MapArea AreaAround(const std::vector<const SynopReport*>& shown) {
    if (shown.empty()) return kNorthSeaAndBaltic;
    MapArea area{90, -90, 180, -180};
    for (const SynopReport* report : shown) {
        area.southDeg = std::min(area.southDeg, *report->latitudeDeg - kRoomAroundDeg);
        area.northDeg = std::max(area.northDeg, *report->latitudeDeg + kRoomAroundDeg);
        area.westDeg = std::min(area.westDeg, *report->longitudeDeg - kRoomAroundDeg * kLongitudePerLatitude);
        area.eastDeg = std::max(area.eastDeg, *report->longitudeDeg + kRoomAroundDeg * kLongitudePerLatitude);
    }
    Widen(area.southDeg, area.northDeg, kLeastLatitudeSpanDeg, kLandReach.southDeg, kLandReach.northDeg);
    Widen(area.westDeg, area.eastDeg, kLeastLatitudeSpanDeg * kLongitudePerLatitude, kLandReach.westDeg,
          kLandReach.eastDeg);
    return area;
}

std::string DegreeText(double degrees, const char* positive, const char* negative) {
    const long whole = std::lround(std::fabs(degrees));
    if (whole == 0) return "0°";
    return std::to_string(whole) + "° " + (degrees < 0 ? negative : positive);
}

void AddGraticule(const MapFrame& frame, const MapArea& area, MapScene& scene) {
    // Two or three lines each way at least, however small the area.
    const double kGraticuleStepDeg = area.northDeg - area.southDeg < 12 ? 2.0 : 5.0;
    constexpr int kStepsPerLine = 48;
    // Meridians are named under the southern edge, parallels above their line at the western edge.
    for (double longitude = std::ceil(kLandReach.westDeg / kGraticuleStepDeg) * kGraticuleStepDeg;
         longitude <= kLandReach.eastDeg; longitude += kGraticuleStepDeg) {
        Polyline meridian;
        for (int step = 0; step <= kStepsPerLine; ++step)
            meridian.points.push_back(frame.ToPixels(
                {kLandReach.southDeg + (kLandReach.northDeg - kLandReach.southDeg) * step / kStepsPerLine, longitude}));
        scene.graticule.push_back(std::move(meridian));
        if (longitude >= area.westDeg && longitude <= area.eastDeg)
            scene.graticuleLabels.push_back({frame.ToPixels({area.southDeg, longitude}),
                                             DegreeText(longitude, "O", "W"), LabelRole::Graticule,
                                             HorizontalAlign::Centre, VerticalAlign::Top});
    }
    for (double latitude = std::ceil(kLandReach.southDeg / kGraticuleStepDeg) * kGraticuleStepDeg;
         latitude <= kLandReach.northDeg; latitude += kGraticuleStepDeg) {
        Polyline parallel;
        for (int step = 0; step <= kStepsPerLine; ++step)
            parallel.points.push_back(frame.ToPixels(
                {latitude, kLandReach.westDeg + (kLandReach.eastDeg - kLandReach.westDeg) * step / kStepsPerLine}));
        scene.graticule.push_back(std::move(parallel));
        if (latitude >= area.southDeg && latitude <= area.northDeg)
            scene.graticuleLabels.push_back({frame.ToPixels({latitude, area.westDeg}), DegreeText(latitude, "N", "S"),
                                             LabelRole::Graticule, HorizontalAlign::Left, VerticalAlign::Bottom});
    }
}

void AddLand(const MapFrame& frame, MapScene& scene) {
    std::uint32_t begin = 0;
    for (std::size_t ring = 0; ring < coastline::kRingCount; ++ring) {
        const std::uint32_t end = coastline::kRingEnds[ring];
        std::vector<MapPoint> outline;
        outline.reserve(end - begin);
        for (std::uint32_t point = begin; point < end; ++point)
            outline.push_back(frame.ToPixels({coastline::kPoints[2 * point + 1] / coastline::kPointsPerDegree,
                                              coastline::kPoints[2 * point] / coastline::kPointsPerDegree}));
        scene.land.push_back(std::move(outline));
        begin = end;
    }
}

}  // namespace

MapScene BuildStationMap(const std::vector<SynopReport>& reports, double width, double height, double unit) {
    const std::vector<const SynopReport*> shown = ShownReports(reports);
    const MapArea area = AreaAround(shown);
    const MapFrame frame(area, width, height, kMarginUnits * unit);
    MapScene scene;
    AddLand(frame, scene);
    AddGraticule(frame, area, scene);
    for (const SynopReport* report : shown) {
        const GeoPoint place{*report->latitudeDeg, *report->longitudeDeg};
        scene.stations.push_back(
            DrawStationModel(*report, frame.ToPixels(place), frame.NorthOnScreenDeg(place), unit));
    }
    return scene;
}

}  // namespace weather
