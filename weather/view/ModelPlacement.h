#pragma once
// Where the station models go on a crowded map: each stays on its station
// where it has room, else it moves aside, as little as it must, and a thin
// leader runs from the station to its circle; one that finds no room at all
// is left out rather than printed over another.

#include <vector>

#include "weather/view/MapDrawing.h"

namespace weather {

struct ModelToPlace {
    MapPoint place;               // the station on the map
    MapBox box;                   // the whole model as drawn with its circle on `place`
    std::vector<MapBox> keepClear;  // parts of it, drawn the same way, that its own leader must not cross
};

struct ModelPlace {
    MapPoint centre;     // where its circle goes: `place` unless moved aside
    bool fitted = true;  // false: no room anywhere near, not drawn
};

// No two placed boxes overlap, none covers another station (nor, when
// moved, its own) or crosses a leader, every box stays inside `bounds`, and
// no leader runs through another model or what its own must keep clear of. Those alone on their place keep it; the others, in the
// given order, take the nearest free place on rings `step` apart.
std::vector<ModelPlace> PlaceModels(const std::vector<ModelToPlace>& models, const MapBox& bounds, double step);

}  // namespace weather
