#pragma once
// One decoded weather report (FM 12 SYNOP from a land station, FM 13 SHIP from a ship) as a
// listener reads it: every value in the unit a sailor uses, absent where the report does not
// give it or the group that holds it came through garbled.

#include <optional>
#include <string>
#include <vector>

namespace weather {

// A group the decoder could not take (a letter, a wrong length, an impossible value); the
// rest of the report is still read. `text` is the group as received.
struct SkippedGroup {
    std::string text;
    std::string reason;  // German, for the listener
};

struct SynopReport {
    bool isShip = false;       // BBXX rather than AAXX
    bool isNil = false;        // "NIL": the station sent nothing this hour
    std::string station;       // five-figure index number, or a ship's call sign
    std::string stationName;   // from the station table; empty when unknown

    // From the table for a land station, from the report itself for a ship.
    std::optional<double> latitudeDeg;   // north positive
    std::optional<double> longitudeDeg;  // east positive

    std::optional<int> day;   // of the month (YY), 1..31
    std::optional<int> hour;  // UTC (GG), 0..23

    bool windIsMeasured = false;           // from iw: measured rather than estimated
    bool windIsCalm = false;               // dd 00
    bool windIsVariable = false;           // dd 99: "umlaufend"
    std::optional<int> windDirectionDeg;   // 10..360 in tens
    std::optional<double> windKnots;       // converted when iw says m/s
    std::optional<int> windBeaufort;       // 0..12 from the speed
    std::optional<double> gustKnots;       // 910ff / 911ff

    std::optional<int> visibilityMetres;
    std::optional<int> presentWeather;     // ww 00..99
    std::optional<int> pastWeather1;       // W1 0..9
    std::optional<int> pastWeather2;       // W2 0..9
    std::optional<int> cloudOctas;         // N 0..8, 9 = sky obscured
    std::optional<int> lowCloudOctas;      // Nh
    std::optional<int> lowCloudType;       // CL 0..9
    std::optional<int> middleCloudType;    // CM 0..9
    std::optional<int> highCloudType;      // CH 0..9

    std::optional<double> temperatureC;
    std::optional<double> dewPointC;
    std::optional<double> maxTemperatureC;       // 333 1snTxTxTx
    std::optional<double> minTemperatureC;       // 333 2snTnTnTn
    std::optional<double> stationPressureHpa;    // 3PoPoPoPo
    std::optional<double> seaLevelPressureHpa;   // 4PPPP
    std::optional<int> pressureTendencyCode;     // a 0..8
    std::optional<double> pressureChangeHpa;     // ppp, signed by a
    std::optional<double> precipitationMm;       // 6RRRtR (0.0 for a trace is kept as 0.0)
    std::optional<int> precipitationHours;       // from tR
    std::optional<double> waterTemperatureC;     // 222 0snTwTwTw
    std::optional<double> waveHeightM;           // 222 2PwPwHwHw / 1PwaPwaHwaHwa
    std::optional<int> wavePeriodS;

    std::vector<SkippedGroup> skipped;
    std::string original;  // the report's groups as received, up to its "="
};

}  // namespace weather
