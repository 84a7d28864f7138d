#include "weather/ReportSelection.h"

#include <algorithm>

#include "weather/ReportGroups.h"

namespace weather {
namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    return line;
}

std::string_view FirstWord(std::string_view line) {
    return line.substr(0, std::find_if(line.begin(), line.end(), IsBlank) - line.begin());
}

// The lines above `end`, nearest first, blank ones skipped.
class LinesUpward {
public:
    LinesUpward(std::string_view text, std::size_t end) : text_(text), end_(end) {}

    bool Next(std::string_view& line) {
        while (end_ > 0) {
            std::size_t start = end_;
            while (start > 0 && !IsLineBreak(text_[start - 1])) --start;
            line = Trimmed(text_.substr(start, end_ - start));
            end_ = start > 0 ? start - 1 : 0;
            if (!line.empty()) return true;
        }
        return false;
    }

private:
    std::string_view text_;
    std::size_t end_;
};

}  // namespace

std::string SelectionWithItsSection(std::string_view cp1252Text, std::size_t begin, std::size_t end) {
    end = std::min(end, cp1252Text.size());
    begin = std::min(begin, end);
    while (begin > 0 && !IsLineBreak(cp1252Text[begin - 1])) --begin;
    const std::string_view selection = cp1252Text.substr(begin, end - begin);
    if (!SplitReports(selection).empty()) return std::string(selection);

    LinesUpward above(cp1252Text, begin);
    std::string_view line;
    while (above.Next(line)) {
        const std::string_view word = FirstWord(line);
        // The end of a transmission or another bulletin's heading: no section reaches down here.
        if (word == "NNNN" || word == "ZCZC" || IsBulletinHeading(line)) break;
        if (word != "AAXX" && word != "BBXX") continue;
        // The section's own groups only: a report that follows on its line was not selected.
        std::string section(word);
        if (word == "AAXX") {
            const std::string_view rest = Trimmed(line.substr(word.size()));
            section += ' ' + std::string(FirstWord(rest));
        }
        std::string_view heading;
        if (above.Next(heading) && IsBulletinHeading(heading)) section = std::string(heading) + "\r\n" + section;
        return section + "\r\n" + std::string(selection);
    }
    return std::string(selection);
}

}  // namespace weather
