#include "weather/view/ReportTable.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <optional>

#include "weather/ReportCsv.h"

namespace weather {
namespace {

constexpr char kUnreadHeading[] = "Nicht gelesen";

// The spreadsheet's column name as a heading: "Temperatur_C" -> "Temperatur (°C)".
std::string Heading(const std::string& column) {
    const std::size_t unit = column.find('_');
    if (unit == std::string::npos) return column;
    const std::string name = column.substr(unit + 1);
    return column.substr(0, unit) + " (" + (name == "C" ? "°C" : name) + ")";
}

std::string UnreadGroups(const SynopReport& report) {
    std::string unread;
    for (const SkippedGroup& group : report.skipped) {
        if (!unread.empty()) unread += ", ";
        unread += group.text + " (" + group.reason + ")";
    }
    return unread;
}

// A cell as a number when the whole of it is one ("-3,4", "1013,2").
std::optional<double> NumberIn(const std::string& cell) {
    if (cell.empty()) return std::nullopt;
    std::string pointed = cell;
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    char* end = nullptr;
    const double value = std::strtod(pointed.c_str(), &end);
    if (end != pointed.c_str() + pointed.size()) return std::nullopt;
    return value;
}

// Numbers before words, each in their own order; whether `a` goes first.
bool Before(const std::string& a, const std::string& b) {
    const auto numberA = NumberIn(a), numberB = NumberIn(b);
    if (numberA && numberB) return *numberA < *numberB;
    if (numberA || numberB) return numberA.has_value();
    return a < b;
}

}  // namespace

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"' && quoted && at + 1 < line.size() && line[at + 1] == '"') {
            cells.back() += '"';
            ++at;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

ReportTable::ReportTable(const std::vector<SynopReport>& reports) {
    for (const std::string& column : SplitCsvLine(std::string(CsvHeader()))) headings_.push_back(Heading(column));
    headings_.emplace_back(kUnreadHeading);
    for (const SynopReport& report : reports) {
        csvLines_.push_back(CsvLine(report));
        std::vector<std::string> cells = SplitCsvLine(csvLines_.back());
        cells.resize(headings_.size() - 1);
        cells.push_back(UnreadGroups(report));
        rows_.push_back(std::move(cells));
        order_.push_back(order_.size());
    }
}

const std::string& ReportTable::Cell(std::size_t shownRow, std::size_t column) const {
    return rows_.at(order_.at(shownRow)).at(column);
}

void ReportTable::SortBy(std::size_t column) {
    if (column >= headings_.size()) return;
    ascending_ = column == sortColumn_ ? !ascending_ : true;
    sortColumn_ = column;
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
        const std::string& cellA = rows_[a][column];
        const std::string& cellB = rows_[b][column];
        // Empty cells stay at the end whichever way round.
        if (cellA.empty() || cellB.empty()) return !cellA.empty() && cellB.empty();
        return ascending_ ? Before(cellA, cellB) : Before(cellB, cellA);
    });
}

bool ReportTable::HoldsNumbers(std::size_t column) const {
    const std::string& heading = headings_[column];
    return heading != "Name" && heading != "Wetter" && heading != kUnreadHeading;
}

std::string ReportTable::Csv() const {
    std::string csv = CsvFileStart();
    for (const std::string& line : csvLines_) (csv += line) += kCsvLineEnd;
    return csv;
}

}  // namespace weather
