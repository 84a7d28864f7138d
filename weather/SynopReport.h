#pragma once
// One decoded weather report (FM 12 SYNOP from a land station, FM 13 SHIP from a ship) as a
// listener reads it: every value in the unit a sailor uses, absent where the report does not
// give it or the group that holds it came through garbled.

#include <optional>
#include <string>
#include <vector>

namespace weather {

// Every text in it is UTF-8 (the received text, code page 1252, is converted).

// A group the decoder could not take (a letter, a wrong length, an impossible value); the
// rest of the report is still read. `text` is the group as received.
struct SkippedGroup {
    std::string text;
    std::string reason;  // German, for the listener
};

// One cloud layer of 333 8NsChshs.
struct CloudLayer {
    std::optional<int> octas;       // Ns 0..8, 9 = sky obscured
    std::optional<int> genus;       // C 0..9: Ci Cc Cs Ac As Ns Sc St Cu Cb
    std::optional<int> baseMetres;  // lower bound of the hshs class
};

struct SynopReport {
    std::string bulletin;      // the heading it came under, e.g. "SMDL01 EDZW 070600"; empty without one
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
    std::optional<double> gustKnots;       // the higher of 910ff and 911ff
    std::optional<double> gustTenMinutesKnots;  // 910ff: the highest gust of the last 10 minutes
    std::optional<double> gustPeriodKnots;      // 911ff: the highest gust of a longer period ...
    std::optional<int> gustPeriodMinutes;       // ... that of W1W2 or of a 907tt before it; absent where unknown

    std::optional<int> visibilityMetres;   // lower bound of the VV class (0 for "under 100 m")
    std::optional<int> visibilityCode;     // VV 00..99 as sent, for its wording
    std::optional<int> cloudBaseCode;      // h 0..9: height of the lowest cloud
    bool weatherIsAutomatic = false;       // iX 7: ww and W1W2 are the automatic station's wawa, Wa1Wa2
    std::optional<int> presentWeather;     // ww 00..99
    std::optional<int> pastWeather1;       // W1 0..9
    std::optional<int> pastWeather2;       // W2 0..9
    std::optional<int> cloudOctas;         // N 0..8, 9 = sky obscured
    std::optional<int> lowCloudOctas;      // Nh
    std::optional<int> lowCloudType;       // CL 0..9
    std::optional<int> middleCloudType;    // CM 0..9
    std::optional<int> highCloudType;      // CH 0..9

    std::vector<CloudLayer> cloudLayers;   // 333 8NsChshs, lowest first

    std::optional<int> observedHour;       // 9GGgg: the actual time of observation
    std::optional<int> observedMinute;

    std::optional<double> temperatureC;
    std::optional<double> dewPointC;
    std::optional<double> maxTemperatureC;       // 333 1snTxTxTx
    std::optional<double> minTemperatureC;       // 333 2snTnTnTn
    std::optional<int> relativeHumidityPercent;  // 29UUU
    std::optional<double> sunshineHours;         // 333 55SSS: of the day before
    std::optional<int> snowDepthCm;              // 333 4E'sss
    std::optional<double> stationPressureHpa;    // 3PoPoPoPo
    std::optional<int> geopotentialLevelHpa;     // 4a3hhh: the standard level given instead of 4PPPP ...
    std::optional<int> geopotentialMetres;       // ... and its height
    std::optional<double> seaLevelPressureHpa;   // 4PPPP
    std::optional<int> pressureTendencyCode;     // a 0..8
    std::optional<double> pressureChangeHpa;     // ppp, signed by a
    std::optional<double> precipitationMm;       // 6RRRtR of section 1, else of section 3 (a trace is 0.0)
    std::optional<int> precipitationHours;       // from tR
    bool precipitationIsNil = false;             // iR 3: none fell (precipitationMm is then 0.0)
    std::optional<double> furtherPrecipitationMm;  // 333 6RRRtR beside section 1's (iR 0): another period
    std::optional<int> furtherPrecipitationHours;
    std::optional<double> precipitation24hMm;    // 333 7R24R24R24R24
    std::optional<double> waterTemperatureC;     // 222 0snTwTwTw
    std::optional<double> waveHeightM;           // 222 2PwPwHwHw / 1PwaPwaHwaHwa
    std::optional<int> wavePeriodS;
    std::optional<int> shipCourseCode;           // 222Dsvs: Ds 0..9 (0 stationary, 1 NE .. 8 N, 9 unknown)
    std::optional<int> shipSpeedCode;            // vs 0..9, in 5-knot steps
    std::optional<int> swellDirectionDeg;        // 3dw1dw1.. and 4Pw1Pw1Hw1Hw1: the first swell
    std::optional<int> swellPeriodS;
    std::optional<double> swellHeightM;

    std::vector<SkippedGroup> skipped;
    std::string original;  // the report's groups as received, up to its "="
};

}  // namespace weather
