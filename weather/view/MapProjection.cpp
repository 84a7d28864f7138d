#include "weather/view/MapProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace weather {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

double Radians(double degrees) { return degrees * kRadiansPerDegree; }

// tan(pi/4 + phi/2), the conic's measure of a latitude.
double Stretch(double latitudeDeg) { return std::tan(std::numbers::pi / 4 + Radians(latitudeDeg) / 2); }

}  // namespace

LambertConic::LambertConic(const MapArea& area) : centralMeridianDeg_((area.westDeg + area.eastDeg) / 2) {
    // Standard parallels a sixth of the span inside each edge spread the small
    // scale error evenly over the area.
    const double span = area.northDeg - area.southDeg;
    const double first = area.southDeg + span / 6, second = area.northDeg - span / 6;
    cone_ = std::log(std::cos(Radians(first)) / std::cos(Radians(second))) /
            std::log(Stretch(second) / Stretch(first));
    scale_ = std::cos(Radians(first)) * std::pow(Stretch(first), cone_) / cone_;
    originRadius_ = scale_ / std::pow(Stretch((area.southDeg + area.northDeg) / 2), cone_);
}

double LambertConic::ConvergenceDeg(double longitudeDeg) const {
    return cone_ * (longitudeDeg - centralMeridianDeg_);
}

MapPoint LambertConic::Project(const GeoPoint& place) const {
    const double radius = scale_ / std::pow(Stretch(place.latitudeDeg), cone_);
    const double angle = Radians(ConvergenceDeg(place.longitudeDeg));
    return {radius * std::sin(angle), originRadius_ - radius * std::cos(angle)};
}

MapFrame::MapFrame(const MapArea& area, double width, double height, double marginPx)
    : projection_(area), width_(width), height_(height) {
    // The area's outline, sampled: its parallels are arcs, so the extremes
    // need not lie at the corners.
    constexpr int kSteps = 64;
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    const auto take = [&](double latitude, double longitude) {
        const MapPoint point = projection_.Project({latitude, longitude});
        left = std::min(left, point.x), right = std::max(right, point.x);
        bottom = std::min(bottom, point.y), top = std::max(top, point.y);
    };
    for (int step = 0; step <= kSteps; ++step) {
        const double along = static_cast<double>(step) / kSteps;
        const double longitude = area.westDeg + along * (area.eastDeg - area.westDeg);
        const double latitude = area.southDeg + along * (area.northDeg - area.southDeg);
        take(area.southDeg, longitude), take(area.northDeg, longitude);
        take(latitude, area.westDeg), take(latitude, area.eastDeg);
    }
    const double usableWidth = std::max(1.0, width - 2 * marginPx);
    const double usableHeight = std::max(1.0, height - 2 * marginPx);
    pixelsPerUnit_ = std::min(usableWidth / (right - left), usableHeight / (top - bottom));
    planeCentre_ = {(left + right) / 2, (bottom + top) / 2};
}

MapPoint MapFrame::ToPixels(const GeoPoint& place) const {
    const MapPoint plane = projection_.Project(place);
    return {width_ / 2 + (plane.x - planeCentre_.x) * pixelsPerUnit_,
            height_ / 2 - (plane.y - planeCentre_.y) * pixelsPerUnit_};
}

// Meridians run toward the pole above the map: east of the central meridian
// north leans to the left.
double MapFrame::NorthOnScreenDeg(const GeoPoint& place) const {
    return -projection_.ConvergenceDeg(place.longitudeDeg);
}

}  // namespace weather
