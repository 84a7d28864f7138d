#include "weather/view/MapDrawing.h"

#include <algorithm>

namespace weather {

void Drawing::Append(const Drawing& other) {
    circles.insert(circles.end(), other.circles.begin(), other.circles.end());
    sectors.insert(sectors.end(), other.sectors.begin(), other.sectors.end());
    fills.insert(fills.end(), other.fills.begin(), other.fills.end());
    lines.insert(lines.end(), other.lines.begin(), other.lines.end());
    labels.insert(labels.end(), other.labels.begin(), other.labels.end());
}

bool MapBox::Overlaps(const MapBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

bool MapBox::Contains(MapPoint point) const {
    return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
}

bool MapBox::Holds(const MapBox& inner) const {
    return inner.left >= left && inner.right <= right && inner.top >= top && inner.bottom <= bottom;
}

// Liang-Barsky: the part of the line inside each pair of edges, narrowed edge by edge.
bool MapBox::Crosses(MapPoint from, MapPoint to) const {
    double enter = 0, leave = 1;
    const double dx = to.x - from.x, dy = to.y - from.y;
    for (const auto& [towardOutside, room] : {std::pair{-dx, from.x - left}, std::pair{dx, right - from.x},
                                              std::pair{-dy, from.y - top}, std::pair{dy, bottom - from.y}}) {
        if (towardOutside == 0) {
            if (room < 0) return false;
            continue;
        }
        const double at = room / towardOutside;
        if (towardOutside < 0) enter = std::max(enter, at);
        else leave = std::min(leave, at);
        if (enter > leave) return false;
    }
    return true;
}

MapBox BoundsOf(const Label& label, const TextSize& text) {
    const double width = text.charWidth * static_cast<double>(label.utf8Text.size());
    const double left = label.horizontal == HorizontalAlign::Left    ? label.anchor.x
                        : label.horizontal == HorizontalAlign::Right ? label.anchor.x - width
                                                                     : label.anchor.x - width / 2;
    const double top = label.vertical == VerticalAlign::Top      ? label.anchor.y
                       : label.vertical == VerticalAlign::Bottom ? label.anchor.y - text.lineHeight
                                                                 : label.anchor.y - text.lineHeight / 2;
    return {left, top, left + width, top + text.lineHeight};
}

MapBox BoundsOf(const Drawing& drawing, const TextSize& text) {
    MapBox box{1e300, 1e300, -1e300, -1e300};
    const auto take = [&](const MapBox& part) {
        box.left = std::min(box.left, part.left), box.top = std::min(box.top, part.top);
        box.right = std::max(box.right, part.right), box.bottom = std::max(box.bottom, part.bottom);
    };
    const auto point = [&](MapPoint at) { take({at.x, at.y, at.x, at.y}); };
    for (const Circle& circle : drawing.circles)
        take({circle.centre.x - circle.radius, circle.centre.y - circle.radius, circle.centre.x + circle.radius,
              circle.centre.y + circle.radius});
    for (const Sector& sector : drawing.sectors)
        take({sector.centre.x - sector.radius, sector.centre.y - sector.radius, sector.centre.x + sector.radius,
              sector.centre.y + sector.radius});
    for (const auto& fill : drawing.fills) std::for_each(fill.begin(), fill.end(), point);
    for (const Polyline& line : drawing.lines) std::for_each(line.points.begin(), line.points.end(), point);
    for (const Label& label : drawing.labels) take(BoundsOf(label, text));
    return box.left <= box.right ? box : MapBox{};
}

}  // namespace weather
