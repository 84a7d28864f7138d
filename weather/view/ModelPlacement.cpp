#include "weather/view/ModelPlacement.h"

#include <cmath>
#include <numbers>

namespace weather {
namespace {

constexpr int kRings = 14;
constexpr int kDirections = 16;
// Models are wider than tall: rings are ellipses, so a model moves about as
// far sideways as it needs to clear its neighbour's figures.
constexpr double kWidthPerHeight = 1.6;

struct Placed {
    MapBox box;
    MapPoint place, centre;
    bool moved;
};

class Placer {
public:
    Placer(const std::vector<ModelToPlace>& models, const MapBox& bounds) : models_(models), bounds_(bounds) {}

    bool Free(std::size_t index, MapPoint centre) const {
        const ModelToPlace& model = models_[index];
        const double dx = centre.x - model.place.x, dy = centre.y - model.place.y;
        const MapBox box = model.box.Moved(dx, dy);
        // The likeliest reasons first: on a crowded map most candidates fail on a placed box.
        if (!bounds_.Holds(box)) return false;
        for (const Placed& placed : placed_)
            if (box.Overlaps(placed.box)) return false;
        // A moved model clears its own station too, so that its mark and leader stand free of the figures.
        const bool moved = dx != 0 || dy != 0;
        for (std::size_t other = 0; other < models_.size(); ++other)
            if ((other != index || moved) && box.Contains(models_[other].place)) return false;
        if (moved)
            for (const MapBox& part : model.keepClear)
                if (part.Moved(dx, dy).Crosses(model.place, centre)) return false;
        for (const Placed& placed : placed_) {
            if (placed.moved && box.Crosses(placed.place, placed.centre)) return false;
            if (moved && placed.box.Crosses(model.place, centre)) return false;
        }
        return true;
    }

    void Take(std::size_t index, MapPoint centre) {
        const ModelToPlace& model = models_[index];
        const double dx = centre.x - model.place.x, dy = centre.y - model.place.y;
        placed_.push_back({model.box.Moved(dx, dy), model.place, centre, dx != 0 || dy != 0});
    }

private:
    const std::vector<ModelToPlace>& models_;
    MapBox bounds_;
    std::vector<Placed> placed_;
};

}  // namespace

std::vector<ModelPlace> PlaceModels(const std::vector<ModelToPlace>& models, const MapBox& bounds, double step) {
    std::vector<ModelPlace> places(models.size());
    std::vector<bool> done(models.size(), false);
    Placer placer(models, bounds);
    // First those whose own place is free of every other model's own place,
    // so that a crowded neighbour moves away from them rather than the reverse.
    for (std::size_t index = 0; index < models.size(); ++index) {
        bool alone = placer.Free(index, models[index].place);
        for (std::size_t other = 0; alone && other < models.size(); ++other)
            alone = other == index || !models[index].box.Overlaps(models[other].box);
        if (!alone) continue;
        places[index] = {models[index].place, true};
        placer.Take(index, models[index].place);
        done[index] = true;
    }
    for (std::size_t index = 0; index < models.size(); ++index) {
        if (done[index]) continue;
        const MapPoint place = models[index].place;
        places[index] = {place, false};
        for (int ring = 0; ring <= kRings && !places[index].fitted; ++ring) {
            for (int direction = 0; direction < (ring == 0 ? 1 : kDirections); ++direction) {
                const double angle = 2 * std::numbers::pi * direction / kDirections;
                const MapPoint centre{place.x + ring * step * kWidthPerHeight * std::sin(angle),
                                      place.y - ring * step * std::cos(angle)};
                if (!placer.Free(index, centre)) continue;
                places[index] = {centre, true};
                placer.Take(index, centre);
                break;
            }
        }
    }
    return places;
}

}  // namespace weather
