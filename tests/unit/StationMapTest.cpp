// The station map's rules: projection, coasts, wind barb, cloud circle, figures, placement, title and signs.
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/common/GermanCoastBulletin.h"
#include "weather/ReadSynop.h"
#include "weather/view/CoastlineData.h"
#include "weather/view/MapProjection.h"
#include "weather/view/ModelPlacement.h"
#include "weather/view/StationMap.h"
#include "weather/view/StationModel.h"
#include "weather/view/WeatherSigns.h"

namespace weather {
namespace {

std::string Shown(MapPoint point) {
    std::ostringstream text;
    text.precision(4);
    text << '(' << point.x << ", " << point.y << ')';
    return text.str();
}

double Length(MapPoint vector) { return std::hypot(vector.x, vector.y); }
MapPoint Minus(MapPoint a, MapPoint b) { return {a.x - b.x, a.y - b.y}; }
// Clockwise from straight up, in degrees, as the screen shows a direction.
double ScreenBearing(MapPoint vector) { return std::atan2(vector.x, -vector.y) * 180 / std::numbers::pi; }
double AngleBetween(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(MapFrame, TheWholeAreaFitsCentredInAnyWindowAndAnglesAndNorthKeep) {
    for (const auto& [width, height] : std::vector<std::pair<double, double>>{{800, 600}, {300, 900}, {1600, 400}}) {
        constexpr double kMargin = 10;
        const MapFrame frame(kNorthSeaAndBaltic, width, height, kMargin);
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        const MapArea& area = kNorthSeaAndBaltic;
        for (int step = 0; step <= 36; ++step) {
            const double longitude = area.westDeg + (area.eastDeg - area.westDeg) * step / 36;
            const double latitude = area.southDeg + (area.northDeg - area.southDeg) * step / 36;
            for (const GeoPoint& place : {GeoPoint{area.southDeg, longitude}, GeoPoint{area.northDeg, longitude},
                                          GeoPoint{latitude, area.westDeg}, GeoPoint{latitude, area.eastDeg}}) {
                const MapPoint point = frame.ToPixels(place);
                left = std::min(left, point.x), right = std::max(right, point.x);
                top = std::min(top, point.y), bottom = std::max(bottom, point.y);
            }
        }
        const std::string state = std::to_string(width) + " x " + std::to_string(height) + ": area spans " +
                                  Shown({left, top}) + " to " + Shown({right, bottom});
        EXPECT_GE(left, kMargin - 0.5) << state;
        EXPECT_LE(right, width - kMargin + 0.5) << state;
        EXPECT_GE(top, kMargin - 0.5) << state;
        EXPECT_LE(bottom, height - kMargin + 0.5) << state;
        EXPECT_NEAR(width / 2, (left + right) / 2, 1.0) << state;
        EXPECT_NEAR(height / 2, (top + bottom) / 2, 1.0) << state;
        EXPECT_TRUE(std::abs(right - left - (width - 2 * kMargin)) < 1 ||
                    std::abs(bottom - top - (height - 2 * kMargin)) < 1)
            << state << ": the area should fill the window one way";

        const MapPoint south = frame.ToPixels({55, 13}), north = frame.ToPixels({60, 13});
        EXPECT_NEAR(south.x, north.x, 1e-6) << "the central meridian runs straight up";
        EXPECT_LT(north.y, south.y);
        EXPECT_LT(frame.ToPixels({55, 0}).x, frame.ToPixels({55, 20}).x) << "west lies left";
    }
    // Conformal: a small step north and one east of the same length on the ground stay at right angles and of equal
    // length, so barbs keep their angle; and north on the screen is where the meridian leads.
    const MapFrame frame(kNorthSeaAndBaltic, 1000, 800, 0);
    for (const GeoPoint& place : {GeoPoint{54.18, 7.89}, GeoPoint{57.4, 18.9}, GeoPoint{60.4, 5.3},
                                  GeoPoint{60.1, -1.2}, GeoPoint{65.6, 24.0}, GeoPoint{50.5, 13.0}}) {
        constexpr double kStep = 0.01;
        const MapPoint here = frame.ToPixels(place);
        const MapPoint north = Minus(frame.ToPixels({place.latitudeDeg + kStep, place.longitudeDeg}), here);
        const MapPoint east = Minus(
            frame.ToPixels({place.latitudeDeg,
                            place.longitudeDeg + kStep / std::cos(place.latitudeDeg * std::numbers::pi / 180)}),
            here);
        const std::string state = Shown({place.latitudeDeg, place.longitudeDeg}) + ": north step " + Shown(north) +
                                  ", east step " + Shown(east);
        EXPECT_NEAR(1.0, Length(north) / Length(east), 0.002) << state;
        EXPECT_NEAR(90.0, AngleBetween(ScreenBearing(east), ScreenBearing(north)), 0.1) << state;
        EXPECT_NEAR(0.0, AngleBetween(frame.NorthOnScreenDeg(place), ScreenBearing(north)), 0.05) << state;
    }
}

// Even-odd over every ring, as the map fills the land.
bool OnLand(double latitude, double longitude) {
    bool inside = false;
    std::uint32_t begin = 0;
    for (std::size_t ring = 0; ring < coastline::kRingCount; ++ring) {
        const std::uint32_t end = coastline::kRingEnds[ring];
        for (std::uint32_t i = begin, j = end - 1; i < end; j = i++) {
            const double xi = coastline::kPoints[2 * i] / 100.0, yi = coastline::kPoints[2 * i + 1] / 100.0;
            const double xj = coastline::kPoints[2 * j] / 100.0, yj = coastline::kPoints[2 * j + 1] / 100.0;
            if ((yi > latitude) != (yj > latitude) && longitude < (xj - xi) * (latitude - yi) / (yj - yi) + xi)
                inside = !inside;
        }
        begin = end;
    }
    return inside;
}

TEST(Coastline, LandAndSeaLieWhereTheyBelong) {
    struct Place {
        const char* name;
        double latitude, longitude;
        bool land;
    };
    for (const Place& place : std::initializer_list<Place>{
             {"Berlin", 52.52, 13.40, true},        {"Hamburg", 53.55, 10.0, true},
             {"Uppsala", 59.86, 17.64, true},       {"Lillehammer", 61.1, 10.47, true},
             {"Jylland, Viborg", 56.45, 9.4, true}, {"Tampere", 61.5, 23.76, true},
             {"Doggerbank", 55.0, 2.5, false},      {"Deutsche Bucht", 54.3, 7.5, false},
             {"Kattegat", 56.8, 11.6, false},       {"östlich Öland", 56.5, 18.0, false},
             {"Bottensee", 62.0, 19.5, false},      {"Finnischer Meerbusen", 59.9, 25.5, false},
             // The islands where coastal stations stand, and the water between them and the coast.
             {"Helgoland", 54.188, 7.892, true},    {"Norderney", 53.71, 7.2, true},
             {"Sylt, Westerland", 54.91, 8.31, true}, {"Fehmarn", 54.47, 11.15, true},
             {"Bornholm", 55.12, 14.9, true},       {"Fehmarnbelt", 54.6, 11.2, false},
             {"Norderneyer Watt", 53.66, 7.2, false},
         })
        EXPECT_EQ(place.land, OnLand(place.latitude, place.longitude)) << place.name;
}

TEST(WindBarb, FeathersRoundToFiveKnotsAndTheBarbPointsWhereTheWindComesFrom) {
    struct Case {
        double knots;
        BarbFeathers feathers;
    };
    for (const Case& c : std::initializer_list<Case>{{0, {}}, {2.4, {}}, {2.6, {0, 0, 1}}, {7.4, {0, 0, 1}},
                                                     {10, {0, 1, 0}}, {15, {0, 1, 1}}, {37, {0, 3, 1}},
                                                     {47.6, {1, 0, 0}}, {65, {1, 1, 1}}, {104, {2, 0, 1}},
                                                     {128, {2, 3, 0}}}) {
        const BarbFeathers found = FeathersFor(c.knots);
        EXPECT_EQ(c.feathers, found) << c.knots << " kn: " << found.pennants << " pennants, " << found.full
                                     << " full, " << found.half << " half";
    }
    // The shaft reaches toward where the wind comes from; feathers stand on its clockwise side and lean outward; a half
    // barb is half as long; pennants sit outermost.
    constexpr double kUnit = 4;
    const MapPoint centre{100, 100};
    for (const double from : {0.0, 90.0, 225.0, 300.0}) {
        for (const double knots : {5.0, 25.0, 65.0}) {
            const Drawing barb = DrawWindBarb(centre, from, knots, kUnit);
            const BarbFeathers feathers = FeathersFor(knots);
            const std::string state = "from " + std::to_string(from) + "° at " + std::to_string(knots) + " kn";
            ASSERT_EQ(static_cast<std::size_t>(1 + feathers.full + feathers.half), barb.lines.size()) << state;
            ASSERT_EQ(static_cast<std::size_t>(feathers.pennants), barb.fills.size()) << state;
            const MapPoint tip = barb.lines[0].points.back();
            EXPECT_NEAR(0.0, AngleBetween(from, ScreenBearing(Minus(tip, centre))), 1e-6) << state;
            EXPECT_GT(Length(Minus(tip, centre)), 5 * kUnit) << state;

            std::vector<double> lengths;
            for (std::size_t index = 1; index < barb.lines.size(); ++index) {
                const MapPoint feather = Minus(barb.lines[index].points[1], barb.lines[index].points[0]);
                const double turn = AngleBetween(ScreenBearing(feather), from);
                EXPECT_GT(turn, 30) << state << ": feather " << index << " turns " << turn << "°";
                EXPECT_LT(turn, 90) << state << ": feather " << index << " leans back toward the station";
                lengths.push_back(Length(feather));
            }
            if (feathers.half) {
                const Drawing full = DrawWindBarb(centre, from, 10, kUnit);
                const double fullLength = Length(Minus(full.lines[1].points[1], full.lines[1].points[0]));
                EXPECT_NEAR(fullLength / 2, lengths.back(), 0.01) << state;
            }
            if (feathers.pennants) {
                const double pennantFromCentre = Length(Minus(barb.fills[0][0], centre));
                EXPECT_NEAR(Length(Minus(tip, centre)), pennantFromCentre, 1e-6) << state << ": pennant at the tip";
            }
        }
    }
}

std::string CloudCircleShown(const Drawing& cloud) {
    std::string shown = cloud.circles.at(0).filled ? "disc" : "ring";
    for (const Sector& sector : cloud.sectors) shown += " sector " + std::to_string(std::lround(sector.sweepDeg));
    for (const Polyline& line : cloud.lines) {
        const MapPoint along = Minus(line.points.back(), line.points.front());
        shown += line.ink == Ink::Paper ? " gap"
                 : along.x == 0         ? " |"
                 : along.y == 0         ? " -"
                 : along.x * along.y < 0 ? " /"
                                         : " \\";
    }
    return shown;
}

TEST(StationCircle, ShowsTheEighthsOfCloudAndTheFiguresAsOnAWeatherChart) {
    const std::vector<std::pair<std::optional<int>, std::string>> cases{
        {std::nullopt, "ring /"},    {0, "ring"},            {1, "ring |"}, {2, "ring sector 90"},
        {3, "ring sector 90 |"},     {4, "ring sector 180"}, {5, "ring sector 180 -"},
        {6, "ring sector 270"},      {7, "disc gap"},        {8, "disc"},   {9, "ring \\ /"}};
    for (const auto& [octas, expected] : cases)
        EXPECT_EQ(expected, CloudCircleShown(DrawCloudCover({0, 0}, octas, 5))) << octas.value_or(-1) << " eighths";
    // Pressure, temperature and change as the chart writes them.
    const std::vector<std::pair<std::string, std::string>> figures{
        {PressureFigure(1013.2), "132"}, {PressureFigure(999.8), "998"},   {PressureFigure(1000.0), "000"},
        {PressureFigure(1009.96), "100"}, {PressureFigure(987.04), "870"}, {TemperatureFigure(12.4), "12"},
        {TemperatureFigure(-2.5), "-3"}, {TemperatureFigure(-0.4), "0"},    {TemperatureFigure(0.5), "1"},
        {TendencyFigure(1.2), "+12"},    {TendencyFigure(-0.5), "-05"},     {TendencyFigure(0), "+00"}};
    for (std::size_t index = 0; index < figures.size(); ++index)
        EXPECT_EQ(figures[index].second, figures[index].first) << "figure " << index;
}

SynopReport FullReport() {
    SynopReport report;
    report.station = "10147";
    report.latitudeDeg = 53.63, report.longitudeDeg = 9.99;
    report.windDirectionDeg = 270, report.windKnots = 15;
    report.cloudOctas = 6, report.temperatureC = 4.3, report.dewPointC = 2.0;
    report.seaLevelPressureHpa = 1008.6, report.pressureChangeHpa = -1.4, report.presentWeather = 61;
    return report;
}

// Temperature above and dew point below on the left, pressure above and its
// change below on the right, the weather sign left of the circle.
TEST(StationModel, FiguresAndSignStandInTheirPlacesAroundTheCircle) {
    constexpr double kUnit = 5;
    const MapPoint centre{200, 200};
    const Drawing model = DrawStationModel(FullReport(), centre, 0, kUnit);
    std::string places;
    for (const Label& label : model.labels)
        places += label.utf8Text + (label.anchor.x < centre.x - kUnit ? " left" : label.anchor.x > centre.x + kUnit ? " right" : " middle") +
                  (label.anchor.y < centre.y ? " above" : " below") + ", ";
    EXPECT_EQ("4 left above, 2 left below, 086 right above, -14 right below, ", places);
    const Drawing sign = DrawWeatherSign(WeatherSignFor(61), {}, 1);
    ASSERT_EQ(2u, sign.circles.size()) << "continuous slight rain: two dots";
    int signDots = 0;
    for (const Circle& circle : model.circles)
        if (circle.filled && circle.radius < kUnit) {
            ++signDots;
            EXPECT_LT(circle.centre.x, centre.x - kUnit) << "sign dot at " << Shown(circle.centre);
            EXPECT_NEAR(centre.y, circle.centre.y, kUnit) << "sign dot at " << Shown(circle.centre);
        }
    EXPECT_EQ(2, signDots);

    SynopReport calm = FullReport();
    calm.windIsCalm = true, calm.windDirectionDeg.reset(), calm.windKnots = 0;
    SynopReport variable = FullReport();
    variable.windIsVariable = true;
    const Drawing calmModel = DrawStationModel(calm, centre, 0, kUnit);
    EXPECT_EQ(2u, std::count_if(calmModel.circles.begin(), calmModel.circles.end(),
                                [](const Circle& circle) { return !circle.filled; }))
        << "calm: a circle around the station circle";
    EXPECT_EQ(sign.lines.size(), DrawStationModel(variable, centre, 0, kUnit).lines.size()) << "variable: no barb";
}

TEST(StationMap, OneModelPerPlacedStationWithItsLastReportAndBarbsTurnedToTheMeridian) {
    SynopReport west = FullReport();  // Hamburg, west of the central meridian
    SynopReport east = FullReport();
    east.station = "26422", east.latitudeDeg = 56.97, east.longitudeDeg = 24.06, east.windDirectionDeg = 360;
    SynopReport unplaced = FullReport();
    unplaced.station = "99999", unplaced.latitudeDeg.reset(), unplaced.longitudeDeg.reset();
    SynopReport later = east;
    later.seaLevelPressureHpa = 1021.4;
    const MapScene scene = BuildStationMap({west, east, unplaced, later}, 1000, 800, 4);
    ASSERT_EQ(2u, scene.stations.size());
    EXPECT_EQ("214", scene.stations[1].model.labels[2].utf8Text) << "the later report of the same station";
    const Polyline& shaft = scene.stations[1].model.lines[0];
    const double lean = ScreenBearing(Minus(shaft.points[1], shaft.points[0]));
    EXPECT_LT(lean, -3) << "north wind at Riga leans toward the pole, left of straight up";
    EXPECT_FALSE(scene.land.empty());
}

// A bulletin of German stations must not shrink them to one cluster of overprinted figures on a map of all Scandinavia.
TEST(StationMap, ShowsTheStationsPartOfTheSeaWideEnoughToReadAndTheWholeSeaWithoutAPlacedStation) {
    SynopReport helgoland = FullReport(), sylt = FullReport();
    helgoland.station = "10015", helgoland.latitudeDeg = 54.17, helgoland.longitudeDeg = 7.88;
    sylt.station = "10020", sylt.latitudeDeg = 55.02, sylt.longitudeDeg = 8.42;
    const MapScene bight = BuildStationMap({helgoland, sylt}, 1000, 800, 4);
    ASSERT_EQ(2u, bight.stations.size());
    EXPECT_GT(Length(Minus(bight.stations[0].centre, bight.stations[1].centre)), 80);
    const auto labels = [](const MapScene& scene) {
        std::string text;
        for (const Label& label : scene.graticuleLabels) text += label.utf8Text + ' ';
        return text;
    };
    EXPECT_EQ(std::string::npos, labels(bight).find("65° N")) << labels(bight);
    EXPECT_NE(std::string::npos, labels(BuildStationMap({}, 1000, 800, 4)).find("65° N"));
}

std::string Shown(const MapBox& box) {
    return "[" + Shown(MapPoint{box.left, box.top}) + " to " + Shown(MapPoint{box.right, box.bottom}) + "]";
}

// Every rule the placement promises, for any set of models: the failures name the two models and their boxes.
std::string PlacementFaults(const std::vector<ModelToPlace>& models, const std::vector<ModelPlace>& places,
                            const MapBox& bounds) {
    std::string faults;
    const auto boxOf = [&](std::size_t i) {
        return models[i].box.Moved(places[i].centre.x - models[i].place.x, places[i].centre.y - models[i].place.y);
    };
    for (std::size_t i = 0; i < models.size(); ++i) {
        if (!places[i].fitted) continue;
        if (!bounds.Holds(boxOf(i))) faults += std::to_string(i) + " outside " + Shown(boxOf(i)) + "; ";
        if (places[i].centre.x != models[i].place.x || places[i].centre.y != models[i].place.y) {
            if (boxOf(i).Contains(models[i].place)) faults += std::to_string(i) + " moved but covers its station; ";
            for (const MapBox& part : models[i].keepClear)
                if (part.Moved(places[i].centre.x - models[i].place.x, places[i].centre.y - models[i].place.y)
                        .Crosses(models[i].place, places[i].centre))
                    faults += "leader of " + std::to_string(i) + " crosses its own " + Shown(part) + "; ";
        }
        for (std::size_t j = 0; j < models.size(); ++j) {
            if (j == i) continue;
            if (boxOf(i).Contains(models[j].place)) faults += std::to_string(i) + " covers station " + std::to_string(j) + "; ";
            if (!places[j].fitted) continue;
            if (j > i && boxOf(i).Overlaps(boxOf(j)))
                faults += std::to_string(i) + Shown(boxOf(i)) + " overlaps " + std::to_string(j) + Shown(boxOf(j)) + "; ";
            if (boxOf(i).Crosses(models[j].place, places[j].centre) && Length(Minus(places[j].centre, models[j].place)) > 0)
                faults += "leader of " + std::to_string(j) + " crosses " + std::to_string(i) + "; ";
        }
    }
    return faults;
}

// A model alone keeps its place; crowded ones move apart, no further than
// they must; with no room near, a model is left out.
TEST(ModelPlacement, NoModelOverprintsAnotherAndOnlyCrowdedOnesMove) {
    // A barb from the west, which its own leader must not run along.
    const auto model = [](double x, double y) {
        return ModelToPlace{{x, y}, {x - 30, y - 15, x + 30, y + 15}, {{x - 30, y - 4, x - 5, y + 6}}};
    };
    struct Case {
        const char* name;
        std::vector<ModelToPlace> models;
        MapBox bounds;
        std::string moved;  // "s" stays, "m" moves, "-" left out
    };
    const MapBox wide{0, 0, 800, 600};
    for (const Case& c : std::vector<Case>{
             {"apart", {model(100, 100), model(300, 100), model(100, 300)}, wide, "sss"},
             {"two on one place", {model(400, 300), model(400, 300)}, wide, "mm"},
             {"a crowded one beside a lone one", {model(400, 300), model(420, 310), model(100, 100)}, wide, "mms"},
             {"a cluster", {model(400, 300), model(410, 290), model(420, 305), model(395, 315), model(430, 300),
                            model(405, 280), model(415, 320)}, wide, "mmmmm-m"},  // the sixth hemmed in
             {"no room", {model(50, 20), model(55, 22)}, MapBox{0, 0, 100, 40}, "--"}}) {
        const std::vector<ModelPlace> places = PlaceModels(c.models, c.bounds, 8);
        std::string moved;
        for (std::size_t i = 0; i < places.size(); ++i) {
            const double distance = Length(Minus(places[i].centre, c.models[i].place));
            moved += !places[i].fitted ? '-' : distance == 0 ? 's' : 'm';
            EXPECT_LT(distance, 200) << c.name << ": model " << i << " went far to " << Shown(places[i].centre);
        }
        EXPECT_EQ(c.moved, moved) << c.name;
        EXPECT_EQ("", PlacementFaults(c.models, places, c.bounds)) << c.name;
    }
}

// The German coast at the weather window's first size: every model on the map, none over another, each moved one tied
// to its station by a leader from the station to its circle; the station without a position named.
TEST(StationMap, GermanCoastalStationsAtTheWindowsFirstSizeStandApartWithLeaders) {
    constexpr double kUnit = 4.5;
    const TextSize text{6, 14};
    const std::vector<SynopReport> reports = ReadSynopReports(zorbel::testdata::kGermanCoastBulletin);
    for (const auto& [width, height] : std::vector<std::pair<double, double>>{{812, 505}, {600, 400}}) {
        const MapScene scene = BuildStationMap(reports, width, height, kUnit, text);
        const std::string size = std::to_string(int(width)) + " x " + std::to_string(int(height));
        ASSERT_EQ(13u, scene.stations.size()) << size;
        std::vector<ModelToPlace> models;
        std::vector<ModelPlace> places;
        std::string moved;
        for (const StationOnMap& station : scene.stations) {
            EXPECT_TRUE(station.fitted) << size << ": " << station.name << " left out";
            const MapBox drawn = BoundsOf(station.model, text);
            EXPECT_TRUE(station.box.Holds(drawn)) << size << ": " << station.name << " drawn " << Shown(drawn)
                                                  << " beyond its box " << Shown(station.box);
            const bool isMoved = Length(Minus(station.centre, station.place)) > 0;
            if (isMoved) moved += station.name + ' ';
            ASSERT_EQ(isMoved ? 2u : 0u, station.leader.size()) << size << ": " << station.name;
            if (isMoved) {
                EXPECT_EQ(Shown(station.place), Shown(station.leader.front())) << size << ": " << station.name;
                EXPECT_NEAR(kUnit, Length(Minus(station.leader.back(), station.centre)), 0.01) << station.name;
                EXPECT_NEAR(0, AngleBetween(ScreenBearing(Minus(station.leader.back(), station.leader.front())),
                                            ScreenBearing(Minus(station.centre, station.place))), 0.01)
                    << size << ": " << station.name << "'s leader points away from its circle";
            }
            const double backX = station.place.x - station.centre.x, backY = station.place.y - station.centre.y;
            models.push_back({station.place, station.box.Moved(backX, backY), {}});
            places.push_back({station.centre, station.fitted});
        }
        const MapBox map{0, scene.notes.front().anchor.y + text.lineHeight, width, scene.notes.back().anchor.y - text.lineHeight};
        EXPECT_EQ("", PlacementFaults(models, places, map)) << size << ", moved: " << moved;
        EXPECT_NE(std::string::npos, moved.find("Emden")) << size << ": Norderney and Emden share a place";
        ASSERT_EQ(2u, scene.notes.size()) << size;
        EXPECT_EQ("SMDL01 EDZW vom 7., 06:00 UTC", scene.notes[0].utf8Text);
        EXPECT_EQ("Ohne Position, nicht auf der Karte: 10039", scene.notes[1].utf8Text);
        for (const Label& degree : scene.graticuleLabels)
            for (const Label& note : scene.notes)
                EXPECT_FALSE(BoundsOf(note, text).Overlaps(BoundsOf(degree, text))) << size << ": " << degree.utf8Text
                                                                                      << " under " << note.utf8Text;
    }
}

TEST(StationMap, TitleNamesTheBulletinsAndTheObservationTimes) {
    const auto report = [](std::string bulletin, std::optional<int> day, std::optional<int> hour) {
        SynopReport r;
        r.bulletin = std::move(bulletin), r.day = day, r.hour = hour;
        return r;
    };
    const std::vector<std::pair<std::vector<SynopReport>, std::string>> cases{
        {{report("SMDL01 EDZW 070600", 7, 6), report("SMDL01 EDZW 070600", 7, 6)}, "SMDL01 EDZW vom 7., 06:00 UTC"},
        {{report("SMDL01 EDZW 071200 CCA", 7, 12)}, "SMDL01 EDZW vom 7., 12:00 UTC"},
        {{report("SMDL01 EDZW 072100", 7, 21), report("SNDL02 EDZW 080000", 8, 0)},
         "SMDL01 EDZW, SNDL02 EDZW vom 7., 21:00 bis 8., 00:00 UTC"},
        {{report("", 7, 6)}, "Wettermeldungen vom 7., 06:00 UTC"},
        {{report("", std::nullopt, std::nullopt)}, "Wettermeldungen"},
    };
    for (const auto& [reports, expected] : cases) EXPECT_EQ(expected, MapTitle(reports));
}

TEST(WeatherSign, CommonPresentWeatherGroupsGetTheirSigns) {
    struct Case {
        int ww;
        WeatherKind kind;
        int elements;
        bool continuous, pastHour;
    };
    for (const Case& c : std::initializer_list<Case>{
             {2, WeatherKind::None, 1, false, false},     {10, WeatherKind::Mist, 1, false, false},
             {21, WeatherKind::Rain, 1, false, true},     {29, WeatherKind::Thunderstorm, 1, false, true},
             {45, WeatherKind::Fog, 1, false, false},     {51, WeatherKind::Drizzle, 2, true, false},
             {60, WeatherKind::Rain, 1, false, false},    {63, WeatherKind::Rain, 3, true, false},
             {64, WeatherKind::Rain, 3, false, false},    {65, WeatherKind::Rain, 4, true, false},
             {73, WeatherKind::Snow, 3, true, false},     {80, WeatherKind::RainShower, 1, false, false},
             {86, WeatherKind::SnowShower, 2, false, false}, {89, WeatherKind::HailShower, 1, false, false},
             {95, WeatherKind::Thunderstorm, 1, false, false}}) {
        const WeatherSign sign = WeatherSignFor(c.ww);
        EXPECT_TRUE(sign.kind == c.kind && sign.elements == c.elements && sign.continuous == c.continuous &&
                    sign.pastHour == c.pastHour)
            << "ww " << c.ww << ": kind " << static_cast<int>(sign.kind) << ", " << sign.elements << " elements"
            << (sign.continuous ? ", continuous" : "") << (sign.pastHour ? ", past hour" : "");
        const Drawing drawn = DrawWeatherSign(sign, {}, 10);
        EXPECT_EQ(c.kind == WeatherKind::None, drawn.lines.empty() && drawn.circles.empty()) << "ww " << c.ww;
    }
}

}  // namespace
}  // namespace weather
