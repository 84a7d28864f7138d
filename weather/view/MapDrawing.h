#pragma once
// What the weather map is drawn from: shapes in pixels (x to the right, y
// down), made by the portable map code and put on a screen or into a picture
// by the window code, which only chooses pens, brushes and fonts by role.

#include <string>
#include <vector>

namespace weather {

struct MapPoint {
    double x = 0;
    double y = 0;
};

enum class Ink {
    Dark,   // the station model's lines and fills
    Paper,  // a gap cut into a filled shape (seven eighths of cloud)
};

struct Polyline {
    std::vector<MapPoint> points;
    Ink ink = Ink::Dark;
};

struct Circle {
    MapPoint centre;
    double radius = 0;
    bool filled = false;  // otherwise an outline on paper
};

// A filled slice of a circle, from `startDeg` clockwise by `sweepDeg`, both
// measured from straight up as on a compass.
struct Sector {
    MapPoint centre;
    double radius = 0;
    double startDeg = 0;
    double sweepDeg = 0;
};

enum class LabelRole { Temperature, DewPoint, Pressure, Tendency, Graticule };
enum class HorizontalAlign { Left, Centre, Right };  // where the anchor lies on the text
enum class VerticalAlign { Top, Middle, Bottom };

struct Label {
    MapPoint anchor;
    std::string utf8Text;
    LabelRole role = LabelRole::Temperature;
    HorizontalAlign horizontal = HorizontalAlign::Left;
    VerticalAlign vertical = VerticalAlign::Top;
};

// Drawn in this order: circles, sectors, fills, lines, labels.
struct Drawing {
    std::vector<Circle> circles;
    std::vector<Sector> sectors;
    std::vector<std::vector<MapPoint>> fills;  // closed polygons (pennants, shower triangles)
    std::vector<Polyline> lines;
    std::vector<Label> labels;

    void Append(const Drawing& other);
};

}  // namespace weather
