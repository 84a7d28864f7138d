#include "weather/SynopDecoder.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>
#include <optional>
#include <string_view>

#include "config/Cp1252.h"
#include "config/Utf8.h"
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

// snTTT with sn 0 (positive) or 1 (negative): nothing for "////"; kImpossible otherwise.
Value SignedTenths(const Figures& figures, std::optional<double>& target, double limit) {
    if (figures.AllSlashes(1)) return Value::Taken;
    const std::optional<int> tenths = figures.Number(2, 3);
    if (!tenths || (figures[1] != 0 && figures[1] != 1) || *tenths / 10.0 > limit) return Value::Impossible;
    target = (figures[1] == 1 ? -*tenths : *tenths) / 10.0;
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
        if (!report_.precipitationMm && precipitationIndicator_ == 3) report_.precipitationMm = 0.0;
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
            case 1: return SignedTenths(figures, report_.temperatureC, 80.0);
            case 2:
                if (figures[1] == 9) return Humidity(figures);
                return SignedTenths(figures, report_.dewPointC, 80.0);
            case 3: return Pressure(figures, report_.stationPressureHpa);
            case 4:
                if (figures[1] == 0 || figures[1] == 9 || figures[1] == kSlash) {
                    return Pressure(figures, report_.seaLevelPressureHpa);
                }
                return Geopotential(figures);
            case 5: return Tendency(figures);
            case 6: {
                const Value value = Precipitation(figures);
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
                if (!tenths || figures[1] == kSlash || figures[1] > 7 || *tenths > 400) {
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
        const bool radiation = radiationFollows_ && figures[0] < 5;
        radiationFollows_ = radiationFollows_ && figures[0] < 5;
        if (radiation) return Value::Taken;  // the radiation groups after 55SSS
        switch (figures[0]) {
            case 1: return SignedTenths(figures, report_.maxTemperatureC, 80.0);
            case 2: return SignedTenths(figures, report_.minTemperatureC, 80.0);
            case 4: {
                const std::optional<int> depth = figures.Number(2, 3);
                if (depth && *depth >= 1 && *depth <= 996) report_.snowDepthCm = *depth;
                if (depth == 997) report_.snowDepthCm = 0;
                return Value::Taken;
            }
            case 5: return FiveGroup(figures);
            case 6:
                if (precipitationInSectionOne_) return Value::Taken;
                return Precipitation(figures);
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

    // 4a3hhh: the height of a standard level, given where the station cannot reduce to sea level.
    Value Geopotential(const Figures& figures) {
        const std::optional<int> hhh = figures.Number(2, 3);
        if (!hhh) return Value::Taken;
        switch (figures[1]) {
            case 1: report_.geopotentialMetres = *hhh >= 500 ? 500 - *hhh : *hhh; break;
            case 2: report_.geopotentialMetres = *hhh; break;
            case 8: report_.geopotentialMetres = 1000 + *hhh; break;
            case 7: report_.geopotentialMetres = (*hhh < 500 ? 3000 : 2000) + *hhh; break;
            case 5: report_.geopotentialMetres = *hhh * 10; break;
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
        if (!SlashOr(a, 0, 8)) return Value::Impossible;
        report_.pressureTendencyCode = Optional(a);
        if (tenths && a != kSlash) report_.pressureChangeHpa = (a >= 5 ? -*tenths : *tenths) / 10.0;
        return Value::Taken;
    }

    // 6RRRtR.
    Value Precipitation(const Figures& figures) {
        const std::optional<int> rrr = figures.Number(1, 3);
        if (!rrr) return Value::Taken;
        report_.precipitationMm = PrecipitationFromCode(*rrr);
        report_.precipitationHours = figures[4] == kSlash ? std::nullopt : PrecipitationHoursFromCode(figures[4]);
        return Value::Taken;
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
        radiationFollows_ = true;
        const std::optional<int> tenths = figures.Number(2, 3);
        if (figures[2] == 3 || !tenths) return Value::Taken;  // 553SS: the last hour's sunshine
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

    // 910ff (the last ten minutes) and 911ff (the period of W1W2): the higher gust is kept.
    Value Gust(const Figures& figures) {
        if (figures[1] != 1 || (figures[2] != 0 && figures[2] != 1)) return Value::Taken;
        std::optional<int> speed = figures.Number(3, 2);
        if (speed == 99) {
            std::size_t next = at_ + 1;
            speed = HighSpeed(next);
            at_ = next - 1;
        }
        const std::optional<double> knots = Knots(speed);
        if (knots > kHighestKnots) return Value::Impossible;
        if (knots && (!report_.gustKnots || *knots > *report_.gustKnots)) report_.gustKnots = knots;
        return Value::Taken;
    }

    void ShipMovement(std::string_view group) {
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
    bool radiationFollows_ = false;
    WaveSource waveSource_ = WaveSource::None;
};

}  // namespace

SynopReport DecodeReport(const ReportGroups& report) { return Decoder(report).Decode(); }

}  // namespace weather
