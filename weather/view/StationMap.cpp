#include "weather/view/StationMap.h"

#include <cmath>
#include <string>
#include <unordered_map>

#include "weather/view/CoastlineData.h"
#include "weather/view/StationModel.h"

namespace weather {
namespace {

constexpr double kGraticuleStepDeg = 5.0;
constexpr double kMarginUnits = 3.0;  // room for the models of stations on the area's edge

// The land as far as the prepared data reaches, beyond the area itself.
constexpr MapArea kLandReach{46.0, 70.0, -16.0, 42.0};

std::string DegreeText(double degrees, const char* positive, const char* negative) {
    const long whole = std::lround(std::fabs(degrees));
    if (whole == 0) return "0°";
    return std::to_string(whole) + "° " + (degrees < 0 ? negative : positive);
}

void AddGraticule(const MapFrame& frame, MapScene& scene) {
    const MapArea& area = kNorthSeaAndBaltic;
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
    const MapFrame frame(kNorthSeaAndBaltic, width, height, kMarginUnits * unit);
    MapScene scene;
    AddLand(frame, scene);
    AddGraticule(frame, scene);

    std::unordered_map<std::string, std::size_t> latestOf;
    std::vector<const SynopReport*> shown;
    for (const SynopReport& report : reports) {
        if (!report.latitudeDeg || !report.longitudeDeg || report.isNil) continue;
        const auto [entry, isNew] = latestOf.emplace(report.station, shown.size());
        if (isNew) shown.push_back(&report);
        else shown[entry->second] = &report;
    }
    for (const SynopReport* report : shown) {
        const GeoPoint place{*report->latitudeDeg, *report->longitudeDeg};
        scene.stations.push_back(
            DrawStationModel(*report, frame.ToPixels(place), frame.NorthOnScreenDeg(place), unit));
    }
    return scene;
}

}  // namespace weather
