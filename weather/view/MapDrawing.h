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

// Title and Note stand on paper above the map: which reports it shows, and
// which it could not show.
enum class LabelRole { Temperature, DewPoint, Pressure, Tendency, Graticule, Title, Note };
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

// How large the map's text comes out: the window code measures its font.
// Labels are figures and signs, so one width per character is close enough.
struct TextSize {
    double charWidth = 7;
    double lineHeight = 13;
};

struct MapBox {
    double left = 0, top = 0, right = 0, bottom = 0;

    bool Overlaps(const MapBox& other) const;
    bool Contains(MapPoint point) const;
    bool Holds(const MapBox& inner) const;
    MapBox Moved(double dx, double dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    // Whether the straight line from `from` to `to` passes through the box.
    bool Crosses(MapPoint from, MapPoint to) const;
};

// The box around everything drawn, text included.
MapBox BoundsOf(const Drawing& drawing, const TextSize& text);
MapBox BoundsOf(const Label& label, const TextSize& text);

}  // namespace weather
