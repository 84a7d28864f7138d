#pragma once
// Where a place lies on the weather map: a Lambert conformal conic projection
// (angles and so wind directions stay true, little distortion between 50 and
// 66 degrees north) fitted into a window's client area.

#include "weather/view/MapDrawing.h"

namespace weather {

struct GeoPoint {
    double latitudeDeg = 0;   // north positive
    double longitudeDeg = 0;  // east positive
};

struct MapArea {
    double southDeg, northDeg, westDeg, eastDeg;
};

// The North Sea and the Baltic with their coasts.
inline constexpr MapArea kNorthSeaAndBaltic{50.0, 66.0, -5.0, 31.0};

// On a sphere of radius 1, cut at two standard parallels; y points north.
class LambertConic {
public:
    explicit LambertConic(const MapArea& area);
    MapPoint Project(const GeoPoint& place) const;
    // How far the meridian through `longitudeDeg` leans from the central one, in degrees.
    double ConvergenceDeg(double longitudeDeg) const;

private:
    double cone_;  // n: how much of a full turn the unrolled cone spans
    double scale_;
    double originRadius_;
    double centralMeridianDeg_;
};

// The whole area inside a client rectangle, centred, keeping its shape.
class MapFrame {
public:
    MapFrame(const MapArea& area, double width, double height, double marginPx);
    MapPoint ToPixels(const GeoPoint& place) const;
    // Where north points on the screen at that place, clockwise from straight up.
    double NorthOnScreenDeg(const GeoPoint& place) const;
    double Width() const { return width_; }
    double Height() const { return height_; }

private:
    LambertConic projection_;
    double width_, height_;
    double pixelsPerUnit_ = 1;
    MapPoint planeCentre_;
};

}  // namespace weather
