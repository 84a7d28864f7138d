#pragma once
// What the code figures of a weather report mean, in German (UTF-8).

#include <optional>
#include <string>
#include <string_view>

namespace weather {

std::string_view PresentWeatherText(int ww);              // ww 00..99 (manned station)
std::string_view AutomaticPresentWeatherText(int wawa);   // wawa 00..99 (automatic station, iX 7)
std::string_view PastWeatherText(int w);                  // W1, W2 0..9
std::string_view AutomaticPastWeatherText(int wa);        // Wa1, Wa2 0..9
std::string_view LowCloudText(int cl);                    // CL 0..9
std::string_view MiddleCloudText(int cm);                 // CM 0..9
std::string_view HighCloudText(int ch);                   // CH 0..9
std::string_view CloudGenusText(int c);                   // C 0..9 of 333 8NsChshs
// N 0..9, e.g. "7/8 (stark bewölkt)"; Nh where known, for a sky of only high clouds.
std::string CloudAmountText(int octas, std::optional<int> lowOrMiddleOctas = std::nullopt);
std::string_view CloudBaseText(int h);                    // h 0..9 (9 is also "no clouds" where N is 0)
std::string_view PressureTendencyText(int a);             // a 0..8
std::string VisibilityText(int vv);                       // VV 00..99, e.g. "unter 100 m", "25 km"
std::string PeriodText(int minutes);                      // e.g. "in den letzten 12 Stunden"
std::string_view SeaStateText(double waveHeightM);        // the sea state of that wave height
std::string_view BeaufortName(int force);                 // 0..12, e.g. "steifer Wind"
std::string_view CompassPointText(int degrees);           // 16 points, e.g. "SW", "NNO"
std::string_view ShipCourseText(int ds);                  // Ds 0..9
std::string_view ShipSpeedText(int vs);                   // vs 0..9

// Each text is empty for a figure outside its table.

}  // namespace weather
