#include "weather/view/StationMap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "weather/view/CoastlineData.h"
#include "weather/view/ModelPlacement.h"
#include "weather/view/StationModel.h"

namespace weather {
namespace {

constexpr double kMarginUnits = 3.0;  // room for the models of stations on the area's edge
constexpr double kModelPaddingUnits = 0.5;  // clear space kept around each model
constexpr double kPlacementStepUnits = 2.0;
constexpr double kTitleLines = 1.3;  // the title's font is larger than the figures'
constexpr std::size_t kMostNoteLines = 2;

// The land as far as the prepared data reaches, beyond the area itself.
constexpr MapArea kLandReach{46.0, 70.0, -16.0, 42.0};

// Around the stations shown: room for their models and some coast to know
// the place by, and never so close that a bulletin of two stations fills the
// window with one headland. A degree of longitude is about half a degree of
// latitude up here.
constexpr double kRoomAroundDeg = 1.0;
constexpr double kLeastLatitudeSpanDeg = 4.0;
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

std::string NameOf(const SynopReport& report) {
    return report.stationName.empty() ? report.station : report.stationName;
}

// The last report of each station with a position, in the order of their first reports.
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

std::vector<std::string> StationsWithoutPosition(const std::vector<SynopReport>& reports) {
    std::vector<std::string> names;
    for (const SynopReport& report : reports)
        if ((!report.latitudeDeg || !report.longitudeDeg) && !report.isNil &&
            std::find(names.begin(), names.end(), NameOf(report)) == names.end())
            names.push_back(NameOf(report));
    return names;
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

// "Ohne Position: 10338, 10999" in lines of at most `width` pixels; more
// than `mostLines` would leave little map, so then only their number.
std::vector<std::string> NoteLines(const std::string& heading, const std::vector<std::string>& names, double width,
                                   const TextSize& text, std::size_t mostLines) {
    std::vector<std::string> lines{heading + ": "};
    for (std::size_t index = 0; index < names.size(); ++index) {
        const std::string item = names[index] + (index + 1 < names.size() ? "," : "");
        const std::string longer = lines.back() + (lines.back().ends_with(": ") ? "" : " ") + item;
        if (lines.back().ends_with(": ") || static_cast<double>(longer.size()) * text.charWidth <= width)
            lines.back() = longer;
        else
            lines.push_back(item);
    }
    if (lines.size() > mostLines) return {heading + ": " + std::to_string(names.size()) + " Stationen (siehe Tabelle)"};
    return lines;
}

struct PlacedModels {
    std::vector<StationOnMap> stations;
    std::vector<std::string> unfitted;
};

PlacedModels PlaceStations(const std::vector<SynopReport>& reports, const std::vector<const SynopReport*>& shown,
                           const MapFrame& frame, const MapBox& bounds, double unit, const TextSize& text) {
    const double padding = kModelPaddingUnits * unit;
    PlacedModels result;
    std::vector<ModelToPlace> models;
    for (const SynopReport* report : shown) {
        const GeoPoint geo{*report->latitudeDeg, *report->longitudeDeg};
        StationOnMap station;
        station.report = static_cast<std::size_t>(report - reports.data());
        station.name = NameOf(*report);
        station.place = station.centre = frame.ToPixels(geo);
        station.model = DrawStationModel(*report, station.place, frame.NorthOnScreenDeg(geo), unit);
        const MapBox drawn = BoundsOf(station.model, text);
        station.box = {drawn.left - padding, drawn.top - padding, drawn.right + padding, drawn.bottom + padding};
        // A leader running along the barb would read as part of the wind.
        const StationModelParts parts = DrawStationModelParts(*report, station.place, frame.NorthOnScreenDeg(geo), unit);
        std::vector<MapBox> keepClear;
        if (!parts.barb.lines.empty()) keepClear.push_back(BoundsOf(parts.barb, text));
        models.push_back({station.place, station.box, std::move(keepClear)});
        result.stations.push_back(std::move(station));
    }
    const std::vector<ModelPlace> places = PlaceModels(models, bounds, kPlacementStepUnits * unit);
    for (std::size_t index = 0; index < shown.size(); ++index) {
        StationOnMap& station = result.stations[index];
        station.fitted = places[index].fitted;
        if (!station.fitted) {
            station.model = {};
            result.unfitted.push_back(station.name);
            continue;
        }
        const MapPoint centre = places[index].centre;
        const double dx = centre.x - station.place.x, dy = centre.y - station.place.y;
        if (dx == 0 && dy == 0) continue;
        const GeoPoint geo{*shown[index]->latitudeDeg, *shown[index]->longitudeDeg};
        station.centre = centre;
        station.model = DrawStationModel(*shown[index], centre, frame.NorthOnScreenDeg(geo), unit);
        station.box = station.box.Moved(dx, dy);
        const double distance = std::hypot(dx, dy);
        station.leader = {station.place, {centre.x - dx / distance * unit, centre.y - dy / distance * unit}};
    }
    return result;
}

}  // namespace

MapBox StationOnMap::HoverArea(double unit) const {
    if (fitted) return box;
    constexpr double kMarkReachUnits = 1.5;
    return {place.x - kMarkReachUnits * unit, place.y - kMarkReachUnits * unit, place.x + kMarkReachUnits * unit,
            place.y + kMarkReachUnits * unit};
}

std::string MapTitle(const std::vector<SynopReport>& reports) {
    std::vector<std::string> bulletins;
    std::vector<std::pair<int, int>> times;
    for (const SynopReport& report : reports) {
        // "SMDL01 EDZW 070600": the heading's first two words name the bulletin, the third only repeats the time.
        const std::string bulletin = report.bulletin.substr(0, report.bulletin.find(' ', report.bulletin.find(' ') + 1));
        if (!bulletin.empty() && std::find(bulletins.begin(), bulletins.end(), bulletin) == bulletins.end())
            bulletins.push_back(bulletin);
        if (report.day && report.hour && (times.empty() || times.back() != std::pair{*report.day, *report.hour}))
            times.emplace_back(*report.day, *report.hour);
    }
    std::string title;
    for (const std::string& bulletin : bulletins) title += (title.empty() ? "" : ", ") + bulletin;
    if (title.empty()) title = "Wettermeldungen";
    const auto time = [](std::pair<int, int> at) {
        char text[24];
        std::snprintf(text, sizeof text, "%d., %02d:00", at.first, at.second);
        return std::string(text);
    };
    if (!times.empty()) {
        title += " vom " + time(times.front());
        if (times.size() > 1) title += " bis " + time(times.back());
        title += " UTC";
    }
    return title;
}

MapScene BuildStationMap(const std::vector<SynopReport>& reports, double width, double height, double unit,
                         const TextSize& text) {
    const std::vector<const SynopReport*> shown = ShownReports(reports);
    const MapArea area = AreaAround(shown);
    const MapFrame frame(area, width, height, kMarginUnits * unit);
    MapScene scene;
    AddLand(frame, scene);
    AddGraticule(frame, area, scene);

    const double margin = text.lineHeight / 2;
    scene.notes.push_back({{margin, margin}, MapTitle(reports), LabelRole::Title, HorizontalAlign::Left,
                           VerticalAlign::Top});
    const double top = margin + kTitleLines * text.lineHeight + margin / 2;
    std::vector<std::string> notes;
    if (const auto unplaced = StationsWithoutPosition(reports); !unplaced.empty())
        notes = NoteLines("Ohne Position, nicht auf der Karte", unplaced, width - 2 * margin, text, kMostNoteLines);
    // One line more is kept free for the models that may find no room.
    const double bottom = height - margin - static_cast<double>(notes.size() + 1) * text.lineHeight - margin / 2;
    PlacedModels placed = PlaceStations(reports, shown, frame, {0, top, width, bottom}, unit, text);
    if (!placed.unfitted.empty()) {
        const auto more = NoteLines("Kein Platz auf der Karte", placed.unfitted, width - 2 * margin, text, 1);
        notes.insert(notes.end(), more.begin(), more.end());
    }
    scene.stations = std::move(placed.stations);
    for (std::size_t line = 0; line < notes.size(); ++line)
        scene.notes.push_back({{margin, height - margin - static_cast<double>(notes.size() - line - 1) * text.lineHeight},
                               notes[line], LabelRole::Note, HorizontalAlign::Left, VerticalAlign::Bottom});
    // A degree's name half hidden under a note would read as something else.
    std::erase_if(scene.graticuleLabels, [&](const Label& label) {
        return std::any_of(scene.notes.begin(), scene.notes.end(), [&](const Label& note) {
            return BoundsOf(note, text).Overlaps(BoundsOf(label, text));
        });
    });
    return scene;
}

}  // namespace weather
