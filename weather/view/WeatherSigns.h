#pragma once
// The present-weather sign of the station model for the common ww groups:
// rain, drizzle, snow, showers, fog and mist, thunderstorms, and the same
// phenomena of the past hour (20-29, with a bracket).

#include "weather/view/MapDrawing.h"

namespace weather {

enum class WeatherKind { None, Mist, Fog, Drizzle, Rain, Snow, RainShower, SnowShower, HailShower, Thunderstorm };

struct WeatherSign {
    WeatherKind kind = WeatherKind::None;
    int elements = 1;         // dots, commas or stars: more for heavier precipitation
    bool continuous = false;  // continuous precipitation sets its elements side by side
    bool pastHour = false;    // ended before the observation: drawn with a closing bracket
};

WeatherSign WeatherSignFor(int presentWeather);

// The sign centred on `centre`, about `size` pixels high.
Drawing DrawWeatherSign(const WeatherSign& sign, MapPoint centre, double size);

}  // namespace weather
