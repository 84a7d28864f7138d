#include "weather/SynopTexts.h"

#include <array>
#include <cmath>

#include "weather/GermanNumber.h"

namespace weather {
namespace {

template <std::size_t N>
std::string_view Lookup(const std::array<std::string_view, N>& table, int code) {
    return code >= 0 && static_cast<std::size_t>(code) < N ? table[static_cast<std::size_t>(code)] : "";
}

// ww, code table 4677.
constexpr std::array<std::string_view, 100> kPresentWeather = {
    "Bewölkungsentwicklung nicht beobachtet",
    "Bewölkung abnehmend",
    "Bewölkung unverändert",
    "Bewölkung zunehmend",
    "Sicht durch Rauch vermindert",
    "trockener Dunst",
    "Staub in der Luft, nicht vom Wind aufgewirbelt",
    "Staub oder Sand vom Wind aufgewirbelt",
    "Staub- oder Sandwirbel",
    "Staub- oder Sandsturm in Sicht oder in der letzten Stunde",
    "feuchter Dunst",
    "Bodennebel in Schwaden",
    "durchgehender Bodennebel",
    "Wetterleuchten",
    "Niederschlag in Sicht, den Boden nicht erreichend",
    "Niederschlag in der Ferne (über 5 km)",
    "Niederschlag in der Nähe, nicht an der Station",
    "Gewitter ohne Niederschlag",
    "Böen",
    "Trichterwolke (Trombe)",
    "Sprühregen oder Schneegriesel in der letzten Stunde",
    "Regen in der letzten Stunde",
    "Schneefall in der letzten Stunde",
    "Schneeregen oder Eiskörner in der letzten Stunde",
    "gefrierender Sprühregen oder Regen in der letzten Stunde",
    "Regenschauer in der letzten Stunde",
    "Schnee- oder Schneeregenschauer in der letzten Stunde",
    "Hagel- oder Graupelschauer in der letzten Stunde",
    "Nebel in der letzten Stunde",
    "Gewitter in der letzten Stunde",
    "leichter oder mäßiger Staub- oder Sandsturm, abnehmend",
    "leichter oder mäßiger Staub- oder Sandsturm, unverändert",
    "leichter oder mäßiger Staub- oder Sandsturm, zunehmend",
    "schwerer Staub- oder Sandsturm, abnehmend",
    "schwerer Staub- oder Sandsturm, unverändert",
    "schwerer Staub- oder Sandsturm, zunehmend",
    "leichtes oder mäßiges Schneefegen",
    "starkes Schneefegen",
    "leichtes oder mäßiges Schneetreiben",
    "starkes Schneetreiben",
    "Nebel in der Ferne",
    "Nebelschwaden",
    "Nebel, Himmel erkennbar, dünner werdend",
    "Nebel, Himmel nicht erkennbar, dünner werdend",
    "Nebel, Himmel erkennbar, unverändert",
    "Nebel, Himmel nicht erkennbar, unverändert",
    "Nebel, Himmel erkennbar, dichter werdend",
    "Nebel, Himmel nicht erkennbar, dichter werdend",
    "Nebel mit Reifansatz, Himmel erkennbar",
    "Nebel mit Reifansatz, Himmel nicht erkennbar",
    "leichter Sprühregen mit Unterbrechungen",
    "durchgehender leichter Sprühregen",
    "mäßiger Sprühregen mit Unterbrechungen",
    "durchgehender mäßiger Sprühregen",
    "starker Sprühregen mit Unterbrechungen",
    "durchgehender starker Sprühregen",
    "leichter gefrierender Sprühregen",
    "mäßiger oder starker gefrierender Sprühregen",
    "leichter Sprühregen mit Regen",
    "mäßiger oder starker Sprühregen mit Regen",
    "leichter Regen mit Unterbrechungen",
    "durchgehender leichter Regen",
    "mäßiger Regen mit Unterbrechungen",
    "durchgehender mäßiger Regen",
    "starker Regen mit Unterbrechungen",
    "durchgehender starker Regen",
    "leichter gefrierender Regen",
    "mäßiger oder starker gefrierender Regen",
    "leichter Schneeregen",
    "mäßiger oder starker Schneeregen",
    "leichter Schneefall mit Unterbrechungen",
    "durchgehender leichter Schneefall",
    "mäßiger Schneefall mit Unterbrechungen",
    "durchgehender mäßiger Schneefall",
    "starker Schneefall mit Unterbrechungen",
    "durchgehender starker Schneefall",
    "Eisnadeln",
    "Schneegriesel",
    "einzelne Schneesterne",
    "Eiskörner",
    "leichter Regenschauer",
    "mäßiger oder starker Regenschauer",
    "heftiger Regenschauer",
    "leichter Schneeregenschauer",
    "mäßiger oder starker Schneeregenschauer",
    "leichter Schneeschauer",
    "mäßiger oder starker Schneeschauer",
    "leichter Graupelschauer",
    "mäßiger oder starker Graupelschauer",
    "leichter Hagelschauer",
    "mäßiger oder starker Hagelschauer",
    "leichter Regen, Gewitter in der letzten Stunde",
    "mäßiger oder starker Regen, Gewitter in der letzten Stunde",
    "leichter Schnee, Schneeregen oder Hagel, Gewitter in der letzten Stunde",
    "mäßiger oder starker Schnee, Schneeregen oder Hagel, Gewitter in der letzten Stunde",
    "leichtes oder mäßiges Gewitter mit Regen oder Schnee",
    "leichtes oder mäßiges Gewitter mit Hagel",
    "schweres Gewitter mit Regen oder Schnee",
    "Gewitter mit Staub- oder Sandsturm",
    "schweres Gewitter mit Hagel",
};

// wawa, code table 4680; the reserved figures have no text.
constexpr std::array<std::string_view, 100> kAutomaticPresentWeather = {
    "kein besonderes Wetter",
    "Bewölkung abnehmend",
    "Bewölkung unverändert",
    "Bewölkung zunehmend",
    "Dunst, Rauch oder Staub, Sicht 1 km oder mehr",
    "Dunst, Rauch oder Staub, Sicht unter 1 km",
    "", "", "", "",
    "feuchter Dunst",
    "Eisnadeln",
    "Wetterleuchten",
    "", "", "", "", "",
    "Böen",
    "",
    "Nebel in der letzten Stunde",
    "Niederschlag in der letzten Stunde",
    "Sprühregen oder Schneegriesel in der letzten Stunde",
    "Regen in der letzten Stunde",
    "Schneefall in der letzten Stunde",
    "gefrierender Sprühregen oder Regen in der letzten Stunde",
    "Gewitter in der letzten Stunde",
    "Schneetreiben oder Sandsturm",
    "Schneetreiben oder Sandsturm, Sicht 1 km oder mehr",
    "Schneetreiben oder Sandsturm, Sicht unter 1 km",
    "Nebel",
    "Nebelschwaden",
    "Nebel, dünner werdend",
    "Nebel, unverändert",
    "Nebel, dichter werdend",
    "Nebel mit Reifansatz",
    "", "", "", "",
    "Niederschlag",
    "leichter oder mäßiger Niederschlag",
    "starker Niederschlag",
    "leichter oder mäßiger flüssiger Niederschlag",
    "starker flüssiger Niederschlag",
    "leichter oder mäßiger fester Niederschlag",
    "starker fester Niederschlag",
    "leichter oder mäßiger gefrierender Niederschlag",
    "starker gefrierender Niederschlag",
    "",
    "Sprühregen",
    "leichter Sprühregen",
    "mäßiger Sprühregen",
    "starker Sprühregen",
    "leichter gefrierender Sprühregen",
    "mäßiger gefrierender Sprühregen",
    "starker gefrierender Sprühregen",
    "leichter Sprühregen mit Regen",
    "mäßiger oder starker Sprühregen mit Regen",
    "",
    "Regen",
    "leichter Regen",
    "mäßiger Regen",
    "starker Regen",
    "leichter gefrierender Regen",
    "mäßiger gefrierender Regen",
    "starker gefrierender Regen",
    "leichter Schneeregen",
    "mäßiger oder starker Schneeregen",
    "",
    "Schneefall",
    "leichter Schneefall",
    "mäßiger Schneefall",
    "starker Schneefall",
    "leichter Eiskörnerfall",
    "mäßiger Eiskörnerfall",
    "starker Eiskörnerfall",
    "Schneegriesel",
    "Eiskristalle",
    "",
    "Schauer",
    "leichter Regenschauer",
    "mäßiger Regenschauer",
    "starker Regenschauer",
    "heftiger Regenschauer",
    "leichter Schneeschauer",
    "mäßiger Schneeschauer",
    "starker Schneeschauer",
    "",
    "Hagel",
    "Gewitter",
    "leichtes oder mäßiges Gewitter ohne Niederschlag",
    "leichtes oder mäßiges Gewitter mit Regen- oder Schneeschauern",
    "leichtes oder mäßiges Gewitter mit Hagel",
    "schweres Gewitter ohne Niederschlag",
    "schweres Gewitter mit Regen- oder Schneeschauern",
    "schweres Gewitter mit Hagel",
    "", "",
    "Tornado",
};

// W1, W2, code table 4561.
constexpr std::array<std::string_view, 10> kPastWeather = {
    "höchstens halb bedeckt", "wechselnd bewölkt", "mehr als halb bedeckt",
    "Sand- oder Staubsturm oder Schneetreiben", "Nebel oder dichter Dunst", "Sprühregen", "Regen",
    "Schnee oder Schneeregen", "Schauer", "Gewitter"};

// Wa1, Wa2, code table 4531.
constexpr std::array<std::string_view, 10> kAutomaticPastWeather = {
    "kein besonderes Wetter", "Sicht vermindert", "Schneetreiben oder Sandsturm, Sicht vermindert", "Nebel",
    "Niederschlag", "Sprühregen", "Regen", "Schnee oder Eiskörner", "Schauer", "Gewitter"};

// CL, code table 0513.
constexpr std::array<std::string_view, 10> kLowClouds = {
    "keine tiefen Wolken",
    "Cumulus humilis oder fractus (Schönwetterwolken)",
    "Cumulus mediocris oder congestus (Quellwolken)",
    "Cumulonimbus calvus",
    "Stratocumulus aus Cumulus entstanden",
    "Stratocumulus",
    "Stratus (Hochnebel)",
    "Fetzenwolken bei schlechtem Wetter",
    "Cumulus und Stratocumulus in verschiedenen Höhen",
    "Cumulonimbus capillatus (Gewitterwolke mit Amboss)"};

// CM, code table 0515.
constexpr std::array<std::string_view, 10> kMiddleClouds = {
    "keine mittelhohen Wolken",
    "Altostratus translucidus (durchscheinend)",
    "Altostratus opacus oder Nimbostratus",
    "Altocumulus translucidus in einer Schicht",
    "Altocumulus in Feldern, ständig wechselnd",
    "Altocumulus in Bändern, aufziehend",
    "Altocumulus aus Cumulus entstanden",
    "Altocumulus in mehreren Schichten oder dicht",
    "Altocumulus castellanus oder floccus",
    "Altocumulus bei chaotischem Himmel"};

// CH, code table 0509.
constexpr std::array<std::string_view, 10> kHighClouds = {
    "keine hohen Wolken",
    "Cirrus fibratus oder uncinus (Federwolken)",
    "dichter Cirrus in Flecken",
    "dichter Cirrus aus einem Amboss",
    "Cirrus, aufziehend",
    "Cirrus und Cirrostratus, aufziehend, unter 45 Grad",
    "Cirrus und Cirrostratus, aufziehend, über 45 Grad",
    "Cirrostratus über den ganzen Himmel",
    "Cirrostratus, nicht zunehmend",
    "Cirrocumulus"};

// C, code table 0500.
constexpr std::array<std::string_view, 10> kCloudGenera = {
    "Cirrus", "Cirrocumulus", "Cirrostratus", "Altocumulus", "Altostratus",
    "Nimbostratus", "Stratocumulus", "Stratus", "Cumulus", "Cumulonimbus"};

// N in eighths, with the words the German weather service uses by day and by night alike
// ("sonnig" and "heiter" are its daytime words, "klar" its night word).
constexpr std::array<std::string_view, 9> kCloudAmountWords = {
    "wolkenlos", "leicht bewölkt", "leicht bewölkt", "leicht bewölkt", "wolkig", "wolkig", "wolkig",
    "stark bewölkt", "bedeckt"};

// h, code table 1600.
constexpr std::array<std::string_view, 10> kCloudBase = {
    "0 bis 50 m", "50 bis 100 m", "100 bis 200 m", "200 bis 300 m", "300 bis 600 m", "600 bis 1000 m",
    "1000 bis 1500 m", "1500 bis 2000 m", "2000 bis 2500 m", "2500 m oder höher"};

// a, code table 0200.
constexpr std::array<std::string_view, 9> kTendency = {
    "steigend, dann fallend", "steigend, dann gleichbleibend", "steigend", "fallend oder gleich, dann steigend",
    "gleichbleibend", "fallend, dann steigend", "fallend, dann gleichbleibend", "fallend",
    "gleich oder steigend, dann fallend"};

// VV 90..99, the classes ships use.
constexpr std::array<std::string_view, 10> kShipVisibility = {
    "unter 50 m", "50 bis 200 m", "200 bis 500 m", "500 m bis 1 km", "1 bis 2 km",
    "2 bis 4 km", "4 bis 10 km", "10 bis 20 km", "20 bis 50 km", "50 km oder mehr"};

// The sea state of code table 3700 with its upper wave heights.
constexpr std::array<double, 9> kSeaStateLimits = {0.0, 0.1, 0.5, 1.25, 2.5, 4.0, 6.0, 9.0, 14.0};
constexpr std::array<std::string_view, 10> kSeaStates = {
    "spiegelglatte See", "ruhige, gekräuselte See", "schwach bewegte See", "leicht bewegte See",
    "mäßig bewegte See", "grobe See", "sehr grobe See", "hohe See", "sehr hohe See",
    "außergewöhnlich schwere See"};

constexpr std::array<std::string_view, 13> kBeaufortNames = {
    "Windstille", "leiser Zug", "leichte Brise", "schwache Brise", "mäßige Brise", "frische Brise", "starker Wind",
    "steifer Wind", "stürmischer Wind", "Sturm", "schwerer Sturm", "orkanartiger Sturm", "Orkan"};

constexpr std::array<std::string_view, 16> kCompassPoints = {
    "N", "NNO", "NO", "ONO", "O", "OSO", "SO", "SSO", "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};

// Ds, code table 0700.
constexpr std::array<std::string_view, 10> kShipCourses = {
    "beigedreht", "Kurs NO", "Kurs O", "Kurs SO", "Kurs S", "Kurs SW", "Kurs W", "Kurs NW", "Kurs N",
    "Kurs unbekannt"};

// vs, code table 4451.
constexpr std::array<std::string_view, 10> kShipSpeeds = {
    "0 kn", "1 bis 5 kn", "6 bis 10 kn", "11 bis 15 kn", "16 bis 20 kn", "21 bis 25 kn", "26 bis 30 kn",
    "31 bis 35 kn", "36 bis 40 kn", "über 40 kn"};

}  // namespace

std::string_view PresentWeatherText(int ww) { return Lookup(kPresentWeather, ww); }
std::string_view AutomaticPresentWeatherText(int wawa) { return Lookup(kAutomaticPresentWeather, wawa); }
std::string_view PastWeatherText(int w) { return Lookup(kPastWeather, w); }
std::string_view AutomaticPastWeatherText(int wa) { return Lookup(kAutomaticPastWeather, wa); }
std::string_view LowCloudText(int cl) { return Lookup(kLowClouds, cl); }
std::string_view MiddleCloudText(int cm) { return Lookup(kMiddleClouds, cm); }
std::string_view HighCloudText(int ch) { return Lookup(kHighClouds, ch); }
std::string_view CloudGenusText(int c) { return Lookup(kCloudGenera, c); }
std::string_view CloudBaseText(int h) { return Lookup(kCloudBase, h); }
std::string_view PressureTendencyText(int a) { return Lookup(kTendency, a); }
std::string_view BeaufortName(int force) { return Lookup(kBeaufortNames, force); }
std::string_view ShipCourseText(int ds) { return Lookup(kShipCourses, ds); }
std::string_view ShipSpeedText(int vs) { return Lookup(kShipSpeeds, vs); }

std::string CloudAmountText(int octas, std::optional<int> lowOrMiddleOctas) {
    if (octas == 9) return "Himmel nicht erkennbar";
    // The weather service words the low and middle clouds: high clouds alone, however many,
    // still let the sun through and leave the sky "leicht bewölkt".
    const bool highCloudsOnly = lowOrMiddleOctas == 0 && octas >= 1;
    if (highCloudsOnly && octas <= 8) return std::to_string(octas) + "/8 (leicht bewölkt: nur hohe Wolken)";
    const std::string_view word = Lookup(kCloudAmountWords, octas);
    return word.empty() ? "" : std::to_string(octas) + "/8 (" + std::string(word) + ")";
}

std::string VisibilityText(int vv) {
    if (vv == 0) return "unter 100 m";
    if (vv >= 1 && vv <= 9) return std::to_string(vv * 100) + " m";
    if (vv >= 10 && vv <= 50) return DecimalComma(vv / 10.0, vv % 10 == 0 ? 0 : 1) + " km";
    if (vv >= 56 && vv <= 80) return std::to_string(vv - 50) + " km";
    if (vv >= 81 && vv <= 88) return std::to_string((vv - 80) * 5 + 30) + " km";
    if (vv == 89) return "mehr als 70 km";
    return std::string(Lookup(kShipVisibility, vv - 90));
}

std::string PeriodText(int minutes) {
    if (minutes == 60) return "in der letzten Stunde";
    if (minutes % 60 == 0) return "in den letzten " + std::to_string(minutes / 60) + " Stunden";
    return "in den letzten " + std::to_string(minutes) + " Minuten";
}

std::string_view SeaStateText(double waveHeightM) {
    std::size_t state = 0;
    while (state < kSeaStateLimits.size() && waveHeightM > kSeaStateLimits[state]) ++state;
    return kSeaStates[state];
}

std::string_view CompassPointText(int degrees) {
    if (degrees < 0 || degrees > 360) return "";
    return kCompassPoints[static_cast<std::size_t>(std::lround(degrees / 22.5)) % kCompassPoints.size()];
}

}  // namespace weather
