#include "weather/SynopDecoder.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "codepage/Cp1252.h"
#include "codepage/Utf8.h"
#include "weather/WeatherUnits.h"

namespace weather {
namespace {

// Received text keeps its bytes; the report holds UTF-8.
std::string Utf8FromCp1252(std::string_view cp1252Text) {
    return zorbel::EncodeUtf8(zorbel::Cp1252ToWide(cp1252Text));
}

constexpr std::string_view kLetters = "Buchstaben oder Zeichen statt Ziffern";
constexpr std::string_view kNotFiveFigures = "nicht fünf Ziffern";
constexpr std::string_view kImpossible = "unmöglicher Wert";
constexpr std::string_view kUnknownIndicator = "unbekannte Kennziffer";
constexpr std::string_view kTwice = "Kennziffer doppelt";
constexpr std::string_view kBadStation = "Stationsnummer unlesbar";
constexpr std::string_view kBadCallSign = "Rufzeichen unlesbar";
constexpr std::string_view kBadDate = "Tag, Stunde und Windeinheit unlesbar";

constexpr int kSlash = -1;
constexpr double kHighestKnots = 250.0;
// Beyond the records of the earth's air (-89.2 °C, 56.7 °C) with room for an odd station.
constexpr double kLowestCelsius = -90.0;
constexpr double kHighestCelsius = 60.0;
// A 3-hour change beyond this is a garbled group: the deepest storms' eyes bring falls of
// some 30 hPa in three hours.
constexpr double kHighestTendencyHpa = 40.0;

// The figures of a five-figure group, kSlash for "/" (not observed).
class Figures {
public:
    explicit Figures(std::string_view group) {
        for (std::size_t at = 0; at < 5; ++at) figures_[at] = group[at] == '/' ? kSlash : group[at] - '0';
    }
    int operator[](std::size_t at) const { return figures_[at]; }
    // The number of `count` figures from `from`; nothing when one of them is "/".
    std::optional<int> Number(std::size_t from, std::size_t count) const {
        int number = 0;
        for (std::size_t at = from; at < from + count; ++at) {
            if (figures_[at] == kSlash) return std::nullopt;
            number = number * 10 + figures_[at];
        }
        return number;
    }
    bool AllSlashes(std::size_t from) const {
        return std::all_of(figures_.begin() + static_cast<std::ptrdiff_t>(from), figures_.end(),
                           [](int figure) { return figure == kSlash; });
    }

private:
    std::array<int, 5> figures_{};
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<std::string_view> FormFault(std::string_view group) {
    if (!std::all_of(group.begin(), group.end(), [](char c) { return IsDigit(c) || c == '/'; })) return kLetters;
    if (group.size() != 5) return kNotFiveFigures;
    return std::nullopt;
}

// A figure that is "/" or lies in [lowest, highest].
bool SlashOr(int figure, int lowest, int highest) {
    return figure == kSlash || (figure >= lowest && figure <= highest);
}

std::optional<int> Optional(int figure) { return figure == kSlash ? std::nullopt : std::optional<int>(figure); }

// The outcome of decoding one group's value.
enum class Value { Taken, Impossible };

// snTTT, an air temperature with sn 0 (positive) or 1 (negative): nothing for "////".
Value Temperature(const Figures& figures, std::optional<double>& target) {
    if (figures.AllSlashes(1)) return Value::Taken;
    const std::optional<int> tenths = figures.Number(2, 3);
    if (!tenths || (figures[1] != 0 && figures[1] != 1)) return Value::Impossible;
    const double celsius = (figures[1] == 1 ? -*tenths : *tenths) / 10.0;
    if (celsius < kLowestCelsius || celsius > kHighestCelsius) return Value::Impossible;
    target = celsius;
    return Value::Taken;
}

class Decoder {
public:
    explicit Decoder(const ReportGroups& groups) : in_(groups.groups), groups_(groups) {}

    SynopReport Decode() {
        report_.bulletin = Utf8FromCp1252(groups_.bulletin);
        report_.isShip = groups_.isShip;
        std::string original;
        for (const std::string& group : in_) original += (original.empty() ? "" : " ") + group;
        report_.original = Utf8FromCp1252(original);
        if (in_.empty()) return std::move(report_);
        report_.isNil = std::find(in_.begin(), in_.end(), "NIL") != in_.end();
        if (groups_.isShip) {
            CallSign(in_[0]);
            DateGroup(Next(1));
            if (!report_.isNil) Position(Next(2), Next(3));
            at_ = 4;
        } else {
            LandStation(in_[0]);
            DateGroup(groups_.dateGroup);
            at_ = 1;
        }
        if (report_.isNil) return std::move(report_);
        if (const std::string_view group = Take(); !group.empty()) Indicators(group);
        if (const std::string_view group = Take(); !group.empty()) Wind(group);
        Sections();
        if (!report_.precipitationMm && precipitationIndicator_ == 3) {
            report_.precipitationMm = 0.0;
            report_.precipitationIsNil = true;
        }
        return std::move(report_);
    }

private:
    enum class Section { One, Two, Ice, Three, Skipped };

    std::string_view Next(std::size_t at) const { return at < in_.size() ? std::string_view(in_[at]) : ""; }

    // The next positional group, unless the report or its section 1 ended before it.
    std::string_view Take() {
        if (at_ >= in_.size() || IsSectionMarker(in_[at_])) return "";
        return in_[at_++];
    }

    void Skip(std::string_view group, std::string_view reason) {
        report_.skipped.push_back({Utf8FromCp1252(group), std::string(reason)});
    }

    // The group's figures, or nothing after listing it as skipped.
    std::optional<Figures> Read(std::string_view group) {
        if (const std::optional<std::string_view> fault = FormFault(group)) {
            Skip(group, *fault);
            return std::nullopt;
        }
        return Figures(group);
    }

    void LandStation(std::string_view group) {
        report_.station = Utf8FromCp1252(group);
        if (group.size() != 5 || !std::all_of(group.begin(), group.end(), IsDigit)) Skip(group, kBadStation);
    }

    void CallSign(std::string_view group) {
        report_.station = Utf8FromCp1252(group);
        const bool letterOrDigit = std::all_of(group.begin(), group.end(), [](char c) {
            return IsDigit(c) || (c >= 'A' && c <= 'Z');
        });
        if (!letterOrDigit || group.size() < 3 || group.size() > 9) Skip(group, kBadCallSign);
    }

    // YYGGiw.
    void DateGroup(std::string_view group) {
        const bool wellFormed = !FormFault(group);
        const std::optional<Figures> figures = wellFormed ? std::optional<Figures>(Figures(group)) : std::nullopt;
        const std::optional<int> day = figures ? figures->Number(0, 2) : std::nullopt;
        const std::optional<int> hour = figures ? figures->Number(2, 2) : std::nullopt;
        const int iw = figures ? (*figures)[4] : kSlash;
        if (!day || !hour || *day < 1 || *day > 31 || *hour > 23 || !SlashOr(iw, 0, 4) || iw == 2) {
            Skip(group.empty() ? "AAXX" : group, kBadDate);
            return;
        }
        report_.day = day;
        report_.hour = hour;
        if (iw != kSlash) unit_ = iw <= 1 ? WindUnit::MetresPerSecond : WindUnit::Knots;
        report_.windIsMeasured = iw == 1 || iw == 4;
    }

    // 99LaLaLa QcLoLoLoLo.
    void Position(std::string_view latitudeGroup, std::string_view longitudeGroup) {
        const std::optional<Figures> latitude = Read(latitudeGroup);
        const std::optional<Figures> longitude = Read(longitudeGroup);
        if (!latitude || !longitude) return;
        const std::optional<int> tenthsNorth = latitude->Number(2, 3);
        const std::optional<int> tenthsEast = longitude->Number(1, 4);
        const int quadrant = (*longitude)[0];
        const bool latitudeRight = latitude->Number(0, 2) == 99 && tenthsNorth && *tenthsNorth <= 900;
        const bool longitudeRight = tenthsEast && *tenthsEast <= 1800 &&
                                    (quadrant == 1 || quadrant == 3 || quadrant == 5 || quadrant == 7);
        if (!latitudeRight) Skip(latitudeGroup, kImpossible);
        if (!longitudeRight) Skip(longitudeGroup, kImpossible);
        if (!latitudeRight || !longitudeRight) return;
        report_.latitudeDeg = (quadrant == 3 || quadrant == 5 ? -*tenthsNorth : *tenthsNorth) / 10.0;
        report_.longitudeDeg = (quadrant == 5 || quadrant == 7 ? -*tenthsEast : *tenthsEast) / 10.0;
    }

    // iRiXhVV.
    void Indicators(std::string_view group) {
        const std::optional<Figures> figures = Read(group);
        if (!figures) return;
        const std::optional<int> vv = figures->Number(3, 2);
        const bool vvRight = vv ? VisibilityMetresFromCode(*vv).has_value() : figures->AllSlashes(3);
        if (!SlashOr((*figures)[0], 0, 4) || !SlashOr((*figures)[1], 1, 7) || !vvRight) {
            Skip(group, kImpossible);
            return;
        }
        precipitationIndicator_ = (*figures)[0];
        report_.weatherIsAutomatic = (*figures)[1] == 7;
        report_.cloudBaseCode = Optional((*figures)[2]);
        if (vv) {
            report_.visibilityCode = vv;
            report_.visibilityMetres = VisibilityMetresFromCode(*vv);
        }
    }

    // A speed of 99 units or more follows in 00fff at `next`, which then moves past it; nothing
    // when that group is not there.
    std::optional<int> HighSpeed(std::size_t& next) {
        if (next >= in_.size() || !in_[next].starts_with("00")) return std::nullopt;
        const std::optional<Figures> figures = Read(in_[next++]);
        return figures ? figures->Number(2, 3) : std::nullopt;
    }

    std::optional<double> Knots(std::optional<int> speed) const {
        if (!speed || !unit_) return std::nullopt;
        return *unit_ == WindUnit::Knots ? *speed : KnotsFromMetresPerSecond(*speed);
    }

    // Nddff (00fff).
    void Wind(std::string_view group) {
        const std::optional<Figures> figures = Read(group);
        if (!figures) return;
        const std::optional<int> direction = figures->Number(1, 2);
        std::optional<int> speed = figures->Number(3, 2);
        const bool directionRight = !direction || *direction <= 36 || *direction == 99;
        if (!directionRight || (direction == 0 && speed.value_or(0) != 0)) {
            Skip(group, kImpossible);
            return;
        }
        report_.cloudOctas = Optional((*figures)[0]);
        if (speed == 99) speed = HighSpeed(at_);
        if (Knots(speed) > kHighestKnots) {
            Skip(group, kImpossible);
            return;
        }
        report_.windIsCalm = direction == 0;
        report_.windIsVariable = direction == 99;
        if (direction && *direction >= 1 && *direction <= 36) report_.windDirectionDeg = *direction * 10;
        report_.windKnots = Knots(speed);
        if (report_.windKnots) report_.windBeaufort = BeaufortFromSpeed(*speed, *unit_);
    }

    void Sections() {
        Section section = Section::One;
        std::bitset<10> seen;
        for (; at_ < in_.size(); ++at_) {
            const std::string& group = in_[at_];
            if (group == "333" || group == "444" || group == "555") {
                section = group == "333" ? Section::Three : Section::Skipped;
                seen.reset();
                continue;
            }
            if (group.size() == 5 && group.starts_with("222")) {
                section = Section::Two;
                seen.reset();
                ShipMovement(group);
                continue;
            }
            if (section == Section::Two && group == "ICE") section = Section::Ice;
            if (section == Section::Ice || section == Section::Skipped) continue;
            const std::optional<Figures> figures = Read(group);
            if (!figures) continue;
            const int indicator = (*figures)[0];
            if (indicator == kSlash) {
                Skip(group, kUnknownIndicator);
                continue;
            }
            if (section != Section::Three && seen[static_cast<std::size_t>(indicator)]) {
                Skip(group, kTwice);
                continue;
            }
            seen.set(static_cast<std::size_t>(indicator));
            std::optional<Value> value;
            if (section == Section::One) value = SectionOneGroup(*figures);
            if (section == Section::Two) value = SectionTwoGroup(*figures);
            if (section == Section::Three) value = SectionThreeGroup(*figures);
            if (!value) Skip(group, kUnknownIndicator);
            if (value == Value::Impossible) Skip(group, kImpossible);
        }
    }

    // Nothing for an indicator the section does not have.
    std::optional<Value> SectionOneGroup(const Figures& figures) {
        switch (figures[0]) {
            case 1: return Temperature(figures, report_.temperatureC);
            case 2:
                if (figures[1] == 9) return Humidity(figures);
                return Temperature(figures, report_.dewPointC);
            case 3: return Pressure(figures, report_.stationPressureHpa);
            case 4:
                if (figures[1] == 0 || figures[1] == 9 || figures[1] == kSlash) {
                    return Pressure(figures, report_.seaLevelPressureHpa);
                }
                return Geopotential(figures);
            case 5: return Tendency(figures);
            case 6: {
                const Value value = Precipitation(figures, report_.precipitationMm, report_.precipitationHours);
                precipitationInSectionOne_ = report_.precipitationMm.has_value();
                return value;
            }
            case 7: return Weather(figures);
            case 8: return Clouds(figures);
            case 9: return ObservationTime(figures);
            default: return std::nullopt;
        }
    }

    std::optional<Value> SectionTwoGroup(const Figures& figures) {
        switch (figures[0]) {
            case 0: {
                if (figures.AllSlashes(2)) return Value::Taken;
                const std::optional<int> tenths = figures.Number(2, 3);
                // Sea water freezes near -1.9 °C.
                if (!tenths || figures[1] == kSlash || figures[1] > 7 || *tenths > 400 ||
                    (figures[1] % 2 == 1 && *tenths > 30)) {
                    return Value::Impossible;
                }
                report_.waterTemperatureC = (figures[1] % 2 == 1 ? -*tenths : *tenths) / 10.0;
                return Value::Taken;
            }
            case 1: return Waves(figures, WaveSource::Instrument);
            case 2: return Waves(figures, WaveSource::Estimated);
            case 3: {
                const std::optional<int> direction = figures.Number(1, 2);
                if (direction && (*direction > 36 && *direction != 99)) return Value::Impossible;
                if (direction && *direction >= 1 && *direction <= 36) report_.swellDirectionDeg = *direction * 10;
                return Value::Taken;
            }
            case 4: {
                const std::optional<int> height = figures.Number(3, 2);
                report_.swellPeriodS = figures.Number(1, 2);
                if (height) report_.swellHeightM = *height * 0.5;
                return Value::Taken;
            }
            case 7: {
                if (figures[1] != 0) return Value::Impossible;
                const std::optional<int> tenths = figures.Number(2, 3);
                if (tenths) {
                    report_.waveHeightM = *tenths / 10.0;
                    waveSource_ = WaveSource::TenthsOfMetres;
                }
                return Value::Taken;
            }
            case 5:  // the second swell
            case 6:  // ice accretion on the ship
            case 8:  // wet-bulb temperature
                return Value::Taken;
            default: return std::nullopt;
        }
    }

    std::optional<Value> SectionThreeGroup(const Figures& figures) {
        if (IsRadiation(figures)) return Value::Taken;
        switch (figures[0]) {
            case 1: return Temperature(figures, report_.maxTemperatureC);
            case 2: return Temperature(figures, report_.minTemperatureC);
            case 4: {
                const std::optional<int> depth = figures.Number(2, 3);
                if (depth && *depth >= 1 && *depth <= 996) report_.snowDepthCm = *depth;
                if (depth == 997) report_.snowDepthCm = 0;
                return Value::Taken;
            }
            case 5: return FiveGroup(figures);
            case 6:
                if (precipitationInSectionOne_) {
                    return Precipitation(figures, report_.furtherPrecipitationMm, report_.furtherPrecipitationHours);
                }
                return Precipitation(figures, report_.precipitationMm, report_.precipitationHours);
            case 7: {
                const std::optional<int> tenths = figures.Number(1, 4);
                if (tenths) report_.precipitation24hMm = *tenths == 9999 ? 0.0 : *tenths / 10.0;
                return Value::Taken;
            }
            case 8: return CloudLayerGroup(figures);
            case 9: return Gust(figures);
            default: return Value::Taken;  // 0 (regional), 3 (state of the ground)
        }
    }

    Value Humidity(const Figures& figures) {
        const std::optional<int> percent = figures.Number(2, 3);
        if (percent && *percent > 100) return Value::Impossible;
        report_.relativeHumidityPercent = percent;
        return Value::Taken;
    }

    static Value Pressure(const Figures& figures, std::optional<double>& target) {
        const std::optional<int> tenths = figures.Number(1, 4);
        if (!tenths) return Value::Taken;
        const std::optional<double> hpa = PressureFromFigures(*tenths);
        if (!hpa) return Value::Impossible;
        target = hpa;
        return Value::Taken;
    }

    // 4a3hhh: the height of a standard level (code table 0264), given where the station cannot
    // reduce to sea level, in metres without the thousands digit: each level's heights span less
    // than 1000 m, so the figures tell which thousand they belong to.
    Value Geopotential(const Figures& figures) {
        const std::optional<int> hhh = figures.Number(2, 3);
        if (!hhh) return Value::Taken;
        switch (figures[1]) {
            case 1: report_.geopotentialMetres = *hhh >= 500 ? 500 - *hhh : *hhh; break;  // below sea level: 500 added
            case 2: report_.geopotentialMetres = (*hhh < 300 ? 1000 : 0) + *hhh; break;    // about 300..1300 m
            case 8: report_.geopotentialMetres = 1000 + *hhh; break;                       // about 1000..2000 m
            case 7: report_.geopotentialMetres = (*hhh < 500 ? 3000 : 2000) + *hhh; break; // about 2500..3500 m
            case 5: report_.geopotentialMetres = 5000 + *hhh; break;                       // about 5000..6000 m
            default: return Value::Impossible;
        }
        constexpr std::array<int, 9> kLevels = {0, 1000, 925, 0, 0, 500, 0, 700, 850};
        report_.geopotentialLevelHpa = kLevels[static_cast<std::size_t>(figures[1])];
        return Value::Taken;
    }

    // 5appp.
    Value Tendency(const Figures& figures) {
        const int a = figures[1];
        const std::optional<int> tenths = figures.Number(2, 3);
        if (!SlashOr(a, 0, 8) || (tenths && *tenths / 10.0 > kHighestTendencyHpa)) return Value::Impossible;
        if (a == 4 && tenths.value_or(0) != 0) return Value::Impossible;  // "steady" changes by nothing
        report_.pressureTendencyCode = Optional(a);
        if (tenths && a != kSlash) report_.pressureChangeHpa = (a >= 5 ? -*tenths : *tenths) / 10.0;
        return Value::Taken;
    }

    // 6RRRtR.
    static Value Precipitation(const Figures& figures, std::optional<double>& mm, std::optional<int>& hours) {
        const std::optional<int> rrr = figures.Number(1, 3);
        if (!rrr) return Value::Taken;
        mm = PrecipitationFromCode(*rrr);
        hours = figures[4] == kSlash ? std::nullopt : PrecipitationHoursFromCode(figures[4]);
        return Value::Taken;
    }

    // iR (code table 1819) 0 or 2 puts a precipitation group into section 3; 1 keeps it in
    // section 1, 3 and 4 leave it out.
    bool PrecipitationInSectionThree() const {
        return precipitationIndicator_ == 0 || precipitationIndicator_ == 2 || precipitationIndicator_ == kSlash;
    }

    bool NextGroupStartsWith(char indicator) const {
        return at_ + 1 < in_.size() && in_[at_ + 1].size() == 5 && in_[at_ + 1][0] == indicator;
    }

    // 55SSS and 553SS may be followed by radiation groups j5FFFF, j5 0..6 in ascending order.
    // Where those figures could start another group, a 5-group of 55..59 is the next 5j group,
    // and a 6-group is radiation unless iR puts precipitation into section 3 and no second
    // 6-group follows.
    bool IsRadiation(const Figures& figures) {
        const int j5 = figures[0];
        bool radiation = lastRadiationIndicator_ && j5 > *lastRadiationIndicator_ && j5 <= 6;
        if (radiation && j5 == 5) radiation = figures[1] == kSlash || figures[1] < 5;
        if (radiation && j5 == 6) radiation = !PrecipitationInSectionThree() || NextGroupStartsWith('6');
        lastRadiationIndicator_ = radiation ? std::optional<int>(j5) : std::nullopt;
        return radiation;
    }

    // 7wwW1W2.
    Value Weather(const Figures& figures) {
        report_.presentWeather = figures.Number(1, 2);
        report_.pastWeather1 = Optional(figures[3]);
        report_.pastWeather2 = Optional(figures[4]);
        return Value::Taken;
    }

    // 8NhCLCMCH.
    Value Clouds(const Figures& figures) {
        if (!SlashOr(figures[1], 0, 9)) return Value::Impossible;
        report_.lowCloudOctas = Optional(figures[1]);
        report_.lowCloudType = Optional(figures[2]);
        report_.middleCloudType = Optional(figures[3]);
        report_.highCloudType = Optional(figures[4]);
        return Value::Taken;
    }

    // 9GGgg.
    Value ObservationTime(const Figures& figures) {
        const std::optional<int> hour = figures.Number(1, 2);
        const std::optional<int> minute = figures.Number(3, 2);
        if ((hour && *hour > 23) || (minute && *minute > 59)) return Value::Impossible;
        report_.observedHour = hour;
        report_.observedMinute = minute;
        return Value::Taken;
    }

    enum class WaveSource { None, Estimated, Instrument, TenthsOfMetres };

    // 1PwaPwaHwaHwa and 2PwPwHwHw: period in seconds, height in half metres; the more exact
    // source is kept.
    Value Waves(const Figures& figures, WaveSource source) {
        if (source < waveSource_) return Value::Taken;
        const std::optional<int> period = figures.Number(1, 2);
        const std::optional<int> height = figures.Number(3, 2);
        if (!height) return Value::Taken;
        report_.waveHeightM = *height * 0.5;
        report_.wavePeriodS = period;
        waveSource_ = source;
        return Value::Taken;
    }

    // 5-groups of section 3: only 55SSS (the sunshine of the day before) is read.
    Value FiveGroup(const Figures& figures) {
        if (figures[1] != 5) return Value::Taken;
        lastRadiationIndicator_ = kSlash;
        const std::optional<int> tenths = figures.Number(2, 3);
        if (figures[2] == 3) {  // 553SS: the last hour's sunshine in tenths of an hour
            return figures.Number(3, 2) > 10 ? Value::Impossible : Value::Taken;
        }
        if (!tenths) return Value::Taken;
        if (*tenths > 240) return Value::Impossible;
        report_.sunshineHours = *tenths / 10.0;
        return Value::Taken;
    }

    // 8NsChshs.
    Value CloudLayerGroup(const Figures& figures) {
        const std::optional<int> hshs = figures.Number(3, 2);
        if (hshs && !CloudBaseMetresFromCode(*hshs)) return Value::Impossible;
        report_.cloudLayers.push_back({Optional(figures[1]), Optional(figures[2]),
                                       hshs ? CloudBaseMetresFromCode(*hshs) : std::nullopt});
        return Value::Taken;
    }

    // The period W1W2 cover: 6 hours at the main hours, 3 at the intermediate ones; at other
    // hours it depends on how often the station reports.
    std::optional<int> PastWeatherMinutes() const {
        if (!report_.hour) return std::nullopt;
        if (*report_.hour % 6 == 0) return 360;
        if (*report_.hour % 3 == 0) return 180;
        return std::nullopt;
    }

    // 910ff (the highest gust of the last 10 minutes) and 911ff (of the period of W1W2, or of
    // the period a 907tt just before it gives: tt 01..60 in tenths of an hour, code table 4077).
    Value Gust(const Figures& figures) {
        const std::optional<int> kind = figures.Number(1, 2);
        const std::optional<int> period = std::exchange(nextPeriodMinutes_, std::nullopt);
        if (kind == 7) {
            const std::optional<int> tt = figures.Number(3, 2);
            if (tt && *tt >= 1 && *tt <= 60) nextPeriodMinutes_ = *tt * 6;
            return Value::Taken;
        }
        if (kind != 10 && kind != 11) return Value::Taken;
        std::optional<int> speed = figures.Number(3, 2);
        if (speed == 99) {
            std::size_t next = at_ + 1;
            speed = HighSpeed(next);
            at_ = next - 1;
        }
        const std::optional<double> knots = Knots(speed);
        if (knots > kHighestKnots) return Value::Impossible;
        if (!knots) return Value::Taken;
        if (kind == 10) {
            report_.gustTenMinutesKnots = knots;
        } else {
            report_.gustPeriodKnots = knots;
            report_.gustPeriodMinutes = period ? period : PastWeatherMinutes();
        }
        if (!report_.gustKnots || *knots > *report_.gustKnots) report_.gustKnots = knots;
        return Value::Taken;
    }

    // 222Dsvs; a coastal land station sends 222// and has no course.
    void ShipMovement(std::string_view group) {
        if (!groups_.isShip) return;
        const Figures figures(group.size() == 5 && !FormFault(group) ? group : "/////");
        report_.shipCourseCode = Optional(figures[3]);
        report_.shipSpeedCode = Optional(figures[4]);
    }

    const std::vector<std::string>& in_;
    const ReportGroups& groups_;
    SynopReport report_;
    std::size_t at_ = 0;
    std::optional<WindUnit> unit_;
    int precipitationIndicator_ = kSlash;
    bool precipitationInSectionOne_ = false;
    std::optional<int> lastRadiationIndicator_;  // in the radiation groups after 55SSS or 553SS (kSlash: none yet)
    std::optional<int> nextPeriodMinutes_;        // from 907tt, for the group after it
    WaveSource waveSource_ = WaveSource::None;
};

}  // namespace

SynopReport DecodeReport(const ReportGroups& report) { return Decoder(report).Decode(); }

}  // namespace weather
