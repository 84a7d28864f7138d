#include "weather/GermanNumber.h"

#include <cmath>
#include <cstdio>

namespace weather {

std::string DecimalComma(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0) rounded = 0.0;  // no "-0,0"
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    std::string result = text;
    for (char& c : result) {
        if (c == '.') c = ',';
    }
    return result;
}

}  // namespace weather
