#pragma once
// The stations whose reports the German weather service broadcasts for the North Sea and the
// Baltic: WMO index number, German name and position.

#include <span>
#include <string_view>

namespace weather {

struct Station {
    std::string_view index;  // five figures
    std::string_view name;   // UTF-8
    double latitudeDeg;      // north positive
    double longitudeDeg;     // east positive
};

// Sorted by index number.
std::span<const Station> AllStations();

// Null for a station the table does not hold.
const Station* FindStation(std::string_view index);

}  // namespace weather
