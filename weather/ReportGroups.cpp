#include "weather/ReportGroups.h"

#include <algorithm>
#include <optional>

namespace weather {
namespace {

using Line = std::vector<std::string>;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool AllOf(std::string_view text, bool (*test)(char)) { return std::all_of(text.begin(), text.end(), test); }
bool IsFigure(char c) { return IsDigit(c) || c == '/'; }
bool IsLetterOrDigit(char c) { return IsDigit(c) || IsLetter(c); }

// Lines of groups: any control character or blank separates, "=" is a group of its own.
std::vector<Line> LinesOfGroups(std::string_view text) {
    std::vector<Line> lines(1);
    std::string group;
    const auto endGroup = [&] {
        if (!group.empty()) lines.back().push_back(std::move(group));
        group.clear();
    };
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            endGroup();
            if (!lines.back().empty()) lines.emplace_back();
        } else if (static_cast<unsigned char>(c) <= ' ') {
            endGroup();
        } else if (c == '=') {
            endGroup();
            lines.back().emplace_back("=");
        } else {
            group += c;
        }
    }
    endGroup();
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

// A five-figure group the line end cut in two ("100" at the end of one line, "78" at the start
// of the next) is joined again. "333", "444" and "555" stand alone.
void JoinSplitGroups(std::vector<Line>& lines) {
    for (std::size_t at = 0; at + 1 < lines.size(); ++at) {
        Line& line = lines[at];
        Line& next = lines[at + 1];
        const std::string& tail = line.back();
        const std::string& head = next.front();
        if (tail.size() < 5 && head.size() < 5 && tail.size() + head.size() == 5 && AllOf(tail, IsFigure) &&
            AllOf(head, IsFigure) && !IsSectionMarker(tail)) {
            line.back() += head;
            next.erase(next.begin());
            // What is left of the next line goes on in this one: it was never a line start.
            line.insert(line.end(), next.begin(), next.end());
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at) + 1);
            --at;
        }
    }
}

// "SMDL01 EDZW 070600", perhaps with a correction mark such as "CCA".
bool IsHeading(const Line& line) {
    return (line.size() == 3 || line.size() == 4) && line[0].size() == 6 && AllOf(line[0].substr(0, 4), IsLetter) &&
           AllOf(line[0].substr(4), IsDigit) && line[1].size() == 4 && AllOf(line[1], IsLetter) &&
           line[2].size() == 6 && AllOf(line[2], IsDigit);
}

bool IsCallSign(std::string_view group) {
    return group.size() >= 3 && group.size() <= 9 && AllOf(group, IsLetterOrDigit) &&
           std::any_of(group.begin(), group.end(), IsLetter) && group != "NIL" && group != "ICE";
}

// YYGGiw: a day of the month and an hour.
bool IsDateGroup(std::string_view group) {
    if (group.size() != 5 || !AllOf(group, IsDigit)) return false;
    const int day = (group[0] - '0') * 10 + (group[1] - '0');
    const int hour = (group[2] - '0') * 10 + (group[3] - '0');
    return day >= 1 && day <= 31 && hour <= 23;
}

// The indicator figure of the last group of the report's current section, or -1 after a section
// marker; the positional groups of section 0 (and 00fff after them) count as 0.
int LastIndicator(const ReportGroups& report) {
    int last = 0;
    for (std::size_t at = 3; at < report.groups.size(); ++at) {
        const std::string& group = report.groups[at];
        if (IsSectionMarker(group)) {
            last = -1;
        } else if (group.size() == 5 && IsDigit(group[0])) {
            last = group[0] - '0';
        }
    }
    return last;
}

// Whether a line may go on with the open report rather than start the next one.
bool ContinuesReport(const ReportGroups& report, const Line& line) {
    const std::string& first = line.front();
    if (report.isShip) return !(IsCallSign(first) && line.size() >= 2 && IsDateGroup(line[1]));
    if (std::find(report.groups.begin(), report.groups.end(), "NIL") != report.groups.end()) return false;
    if (report.groups.size() < 3) return true;
    if (first == "=" || IsSectionMarker(first)) return true;
    if (first.size() != 5 || !AllOf(first, IsFigure) || !IsDigit(first[0])) return true;  // garbled: still this one
    return first[0] - '0' > LastIndicator(report);
}

class Splitter {
public:
    std::vector<ReportGroups> Split(std::string_view text) {
        std::vector<Line> lines = LinesOfGroups(text);
        JoinSplitGroups(lines);
        for (const Line& line : lines) TakeLine(line);
        EndReport();
        return std::move(reports_);
    }

private:
    enum class Section { None, Land, Ship };

    void TakeLine(const Line& line) {
        if (IsHeading(line)) {
            EndSection();
            bulletin_ = line[0] + ' ' + line[1] + ' ' + line[2];
            if (line.size() == 4) bulletin_ += ' ' + line[3];
            return;
        }
        if (line.front() == "NNNN" || line.front() == "ZCZC") {
            EndSection();
            bulletin_.clear();
            return;
        }
        if (open_ && !ContinuesReport(*open_, line)) EndReport();
        for (const std::string& group : line) TakeGroup(group);
    }

    void TakeGroup(const std::string& group) {
        if (group == "AAXX" || group == "BBXX") {
            EndSection();
            section_ = group == "AAXX" ? Section::Land : Section::Ship;
            dateGroupNext_ = section_ == Section::Land;
        } else if (section_ == Section::None) {
            // Plain language between bulletins.
        } else if (dateGroupNext_) {
            dateGroup_ = group;
            dateGroupNext_ = false;
        } else if (group == "=") {
            EndReport();
        } else {
            if (!open_) open_ = ReportGroups{bulletin_, section_ == Section::Ship, dateGroup_, {}};
            open_->groups.push_back(group);
        }
    }

    void EndReport() {
        if (open_) reports_.push_back(std::move(*open_));
        open_.reset();
    }

    void EndSection() {
        EndReport();
        section_ = Section::None;
        dateGroup_.clear();
        dateGroupNext_ = false;
    }

    std::vector<ReportGroups> reports_;
    std::optional<ReportGroups> open_;
    std::string bulletin_;
    Section section_ = Section::None;
    std::string dateGroup_;
    bool dateGroupNext_ = false;
};

}  // namespace

bool IsBulletinHeading(std::string_view line) {
    const std::vector<Line> lines = LinesOfGroups(line);
    return lines.size() == 1 && IsHeading(lines.front());
}

bool IsSectionMarker(std::string_view group) {
    return group == "333" || group == "444" || group == "555" || (group.size() == 5 && group.starts_with("222"));
}

std::vector<ReportGroups> SplitReports(std::string_view cp1252Text) { return Splitter().Split(cp1252Text); }

}  // namespace weather
