#include "navtex/bench/NavtexTexts.h"

#include <array>
#include <cstdio>
#include <random>
#include <string_view>

namespace navtex::bench {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

class Drawing {
    std::mt19937 random_;

public:
    explicit Drawing(unsigned seed) : random_(seed), shortest(static_cast<std::size_t>(Number(350, 750))) {}

    int Number(int least, int most) { return std::uniform_int_distribution<int>(least, most)(random_); }

    template <std::size_t N>
    std::string_view Pick(const std::array<std::string_view, N>& words) {
        return words[static_cast<std::size_t>(Number(0, static_cast<int>(N) - 1))];
    }

    std::string Digits(int value, int width) {
        char text[16];
        std::snprintf(text, sizeof text, "%0*d", width, value);
        return text;
    }

    // 54-01.3N 008-07.9E, somewhere in northern European waters.
    std::string Position() {
        return Digits(Number(50, 65), 2) + "-" + Digits(Number(0, 59), 2) + "." + Digits(Number(0, 9), 1) + "N " +
               Digits(Number(0, 25), 3) + "-" + Digits(Number(0, 59), 2) + "." + Digits(Number(0, 9), 1) +
               (Number(0, 4) == 0 ? "W" : "E");
    }

    // 071230 UTC DEC 26: day, hour and minute.
    std::string DateTimeGroup() {
        return Digits(Number(1, 28), 2) + Digits(Number(0, 23), 2) + Digits(Number(0, 5) * 10, 2) + " UTC " +
               std::string(Pick(kMonths));
    }

    std::string Wind() {
        std::string wind = std::string(Pick(kDirections)) + " " + std::to_string(Number(3, 7));
        if (Number(0, 1)) wind += " TO " + std::to_string(Number(6, 9));
        if (Number(0, 2) == 0) wind += ", VEERING " + std::string(Pick(kDirections)) + " LATER";
        if (Number(0, 2) == 0) wind += ", GUSTS " + std::to_string(Number(8, 10));
        return wind;
    }

    static constexpr std::array<std::string_view, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                                  "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    static constexpr std::array<std::string_view, 8> kDirections = {"NORTH",     "NORTHEAST", "EAST", "SOUTHEAST",
                                                                     "SOUTH",     "SOUTHWEST", "WEST", "NORTHWEST"};
    static constexpr std::array<std::string_view, 14> kAreas = {
        "GERMAN BIGHT", "HUMBER",      "THAMES",    "DOVER",         "FISHER",    "DOGGER",    "SKAGERRAK",
        "KATTEGAT",     "WESTERN BALTIC", "SOUTHERN BALTIC", "VIKING", "UTSIRE SOUTH", "FORTIES", "SOUTHERN NORTH SEA"};

    // The body grows to at least this many characters.
    const std::size_t shortest;
};

void Line(std::string& text, std::string_view line) { (text += line) += kLineEnd; }

void NavigationalWarning(Drawing& draw, std::string& text) {
    static constexpr std::array<std::string_view, 6> kHazards = {
        "WRECK", "DRIFTING CONTAINER", "UNLIT BUOY", "DERELICT VESSEL", "SUBMERGED OBJECT", "DRILLING RIG"};
    static constexpr std::array<std::string_view, 5> kOperations = {
        "CABLE LAYING OPERATIONS", "SURVEY OPERATIONS", "DIVING OPERATIONS", "DREDGING", "PIPE LAYING"};
    Line(text, "NAV WARN NO. " + std::to_string(draw.Number(100, 999)));
    Line(text, std::string(draw.Pick(Drawing::kAreas)) + ".");
    while (text.size() < draw.shortest) {
        if (draw.Number(0, 1)) {
            Line(text, std::string(draw.Pick(kHazards)) + " REPORTED IN POSITION " + draw.Position() + ".");
            Line(text, "DEPTH OVER IT " + std::to_string(draw.Number(4, 30)) + " METRES. WIDE BERTH REQUESTED.");
        } else {
            Line(text, std::string(draw.Pick(kOperations)) + " BY M/V " + std::string(draw.Pick(Drawing::kAreas)) +
                           " IN AREA BOUNDED BY");
            for (int corner = 0; corner < 3; ++corner) Line(text, draw.Position());
            Line(text, "UNTIL " + draw.DateTimeGroup() + ". KEEP CLEAR BY 2 NM.");
        }
    }
    Line(text, "CANCEL NAV WARN NO. " + std::to_string(draw.Number(100, 999)) + ".");
}

void GaleWarning(Drawing& draw, std::string& text) {
    Line(text, "GALE WARNING NR " + std::to_string(draw.Number(1, 250)));
    Line(text, "WARNING ISSUED " + draw.DateTimeGroup());
    while (text.size() < draw.shortest) {
        Line(text, std::string(draw.Pick(Drawing::kAreas)) + ": " + draw.Wind() + ".");
        if (draw.Number(0, 2) == 0) Line(text, "SEA " + std::to_string(draw.Number(2, 7)) + " M, LOCALLY HIGHER.");
    }
}

void Forecast(Drawing& draw, std::string& text) {
    static constexpr std::array<std::string_view, 6> kWeather = {"RAIN",    "SHOWERS",  "FAIR",
                                                                  "DRIZZLE", "FOG PATCHES", "SQUALLY SHOWERS"};
    static constexpr std::array<std::string_view, 4> kVisibility = {"GOOD", "MODERATE", "MODERATE OR POOR",
                                                                     "OCCASIONALLY POOR"};
    Line(text, "WEATHER FORECAST ISSUED " + draw.DateTimeGroup() + " VALID 24 HOURS");
    Line(text, "SYNOPSIS: LOW " + std::to_string(draw.Number(960, 1010)) + " HPA " + draw.Position() +
                   " MOVING " + std::string(draw.Pick(Drawing::kDirections)) + ", DEEPENING.");
    while (text.size() < draw.shortest) {
        Line(text, std::string(draw.Pick(Drawing::kAreas)) + ":");
        Line(text, draw.Wind() + ". SEA " + std::to_string(draw.Number(1, 5)) + " M. " +
                       std::string(draw.Pick(kWeather)) + ". " + std::string(draw.Pick(kVisibility)) + ".");
    }
}

void IceReport(Drawing& draw, std::string& text) {
    static constexpr std::array<std::string_view, 5> kIce = {"NEW ICE", "LEVEL ICE 5-15 CM", "ROTTEN ICE",
                                                              "CLOSE PACK ICE", "FAST ICE"};
    Line(text, "ICE REPORT " + draw.DateTimeGroup());
    while (text.size() < draw.shortest) {
        Line(text, std::string(draw.Pick(Drawing::kAreas)) + ": " + std::string(draw.Pick(kIce)) + " NORTH OF " +
                       draw.Position() + ".");
        Line(text, "NAVIGATION RESTRICTED TO VESSELS OF " + std::to_string(draw.Number(1000, 4000)) +
                       " DWT AND MORE.");
    }
}

void DistressRelay(Drawing& draw, std::string& text) {
    Line(text, "MAYDAY RELAY " + draw.DateTimeGroup());
    Line(text, "FISHING VESSEL " + std::string(draw.Pick(Drawing::kAreas)) + " CALLSIGN D" +
                   std::to_string(draw.Number(1000, 9999)) + " TAKING WATER");
    Line(text, "IN POSITION " + draw.Position() + " WITH " + std::to_string(draw.Number(2, 12)) + " PERSONS ON BOARD.");
    while (text.size() < draw.shortest) {
        Line(text, "VESSELS IN VICINITY ARE REQUESTED TO KEEP A SHARP LOOKOUT, ASSIST IF POSSIBLE");
        Line(text, "AND REPORT TO MRCC BREMEN, PHONE +49 421 536870, LAST SEEN " + draw.Position() + ".");
    }
}

}  // namespace

SentMessage NavtexText(unsigned seed) {
    struct Kind {
        char subject;
        void (*body)(Drawing&, std::string&);
    };
    static constexpr std::array<Kind, 5> kKinds = {Kind{'A', NavigationalWarning}, Kind{'B', GaleWarning},
                                                   Kind{'E', Forecast}, Kind{'C', IceReport},
                                                   Kind{'D', DistressRelay}};
    Drawing draw(seed);
    const Kind& kind = kKinds[seed % kKinds.size()];
    SentMessage message;
    message.id = std::string(1, static_cast<char>('A' + draw.Number(0, 23))) + kind.subject +
                 draw.Digits(draw.Number(1, 99), 2);
    std::string body;
    if (draw.Number(0, 1)) Line(body, draw.DateTimeGroup());
    kind.body(draw, body);
    message.transmission = "ZCZC " + message.id + std::string(kLineEnd) + body + "NNNN" + std::string(kLineEnd);
    return message;
}

}  // namespace navtex::bench
