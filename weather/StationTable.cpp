#include "weather/StationTable.h"

#include <algorithm>

#include "weather/StationData.h"

namespace weather {

std::span<const Station> AllStations() { return kStations; }

const Station* FindStation(std::string_view index) {
    const auto found = std::lower_bound(std::begin(kStations), std::end(kStations), index,
                                        [](const Station& station, std::string_view key) { return station.index < key; });
    return found != std::end(kStations) && found->index == index ? &*found : nullptr;
}

}  // namespace weather
