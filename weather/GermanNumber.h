#pragma once
// Numbers as German readers write them: a decimal comma.

#include <string>

namespace weather {

// `decimals` places after the comma, rounded; "-0,0" is written "0,0".
std::string DecimalComma(double value, int decimals);

}  // namespace weather
