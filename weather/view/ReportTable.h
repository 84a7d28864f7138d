#pragma once
// The weather window's table: one row per report with the spreadsheet's
// columns and one more naming the groups that could not be read; sorted by
// any column, numbers as numbers (decimal comma), empty cells last.

#include <cstddef>
#include <string>
#include <vector>

#include "weather/SynopReport.h"

namespace weather {

class ReportTable {
public:
    explicit ReportTable(const std::vector<SynopReport>& reports);

    // UTF-8 headings: the spreadsheet's columns with their units in
    // brackets ("Wind (kn)"), then "Nicht gelesen".
    const std::vector<std::string>& Headings() const { return headings_; }
    std::size_t RowCount() const { return order_.size(); }
    // Whether the column is one of numbers (an odd word like "umlaufend" aside):
    // such columns stand right-aligned.
    bool HoldsNumbers(std::size_t column) const;
    // The cell in the row as shown now (sorted).
    const std::string& Cell(std::size_t shownRow, std::size_t column) const;

    // Sorts by the column, ascending; the same column again turns the order
    // round. Rows that compare equal keep their order in the file.
    void SortBy(std::size_t column);
    std::size_t SortColumn() const { return sortColumn_; }
    bool SortedAscending() const { return ascending_; }

    // The spreadsheet file in the file's order: byte-order mark, heading, one
    // line per report, each ended by CR LF.
    std::string Csv() const;

private:
    std::vector<std::string> headings_;
    std::vector<std::vector<std::string>> rows_;  // in the file's order
    std::vector<std::string> csvLines_;
    std::vector<std::size_t> order_;              // shown row -> file row
    std::size_t sortColumn_ = static_cast<std::size_t>(-1);
    bool ascending_ = true;
};

// A spreadsheet line's cells (";" between them, a cell in double quotes may hold one).
std::vector<std::string> SplitCsvLine(const std::string& line);

}  // namespace weather
