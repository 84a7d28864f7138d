// zorbel-synop: the weather reports (SYNOP, SHIP) in files ZORBEL saved.
//   zorbel-synop FILE...          each report as readable German text
//   zorbel-synop --csv FILE...    one line per report for a spreadsheet (UTF-8 with byte-order mark)
// A file that cannot be read or holds no report is named on standard error, and the exit status is 2.

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "console/StandardOutput.h"
#include "console/Utf8Arguments.h"
#include "weather/ReadSynop.h"
#include "weather/ReportCsv.h"
#include "weather/ReportText.h"

namespace {

using zorbel::console::PathFromUtf8;

constexpr int kFileFault = 2;

std::optional<std::string> ReadWholeFile(const std::string& utf8Path) {
    std::ifstream file(PathFromUtf8(utf8Path), std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return bytes;
}

void Write(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void WriteReadable(const std::vector<weather::SynopReport>& reports) {
    std::string bulletin;
    for (const weather::SynopReport& report : reports) {
        if (report.bulletin != bulletin && !report.bulletin.empty()) Write(report.bulletin + "\n\n");
        bulletin = report.bulletin;
        Write(weather::ReadableReport(report) + "\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    bool csv = false;
    std::vector<std::string> files;
    for (const std::string& argument : zorbel::console::Utf8Arguments(argc, argv)) {
        if (argument == "--csv") {
            csv = true;
        } else if (argument.starts_with("--")) {
            std::fprintf(stderr, "zorbel-synop: unbekannte Option %s\n", argument.c_str());
            files.clear();
            break;
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "Aufruf: zorbel-synop [--csv] DATEI...\n");
        return kFileFault;
    }
    zorbel::console::ShowUtf8OnConsole();
    if (csv) {
        // Line ends exactly CR LF, not as the console would translate them.
        zorbel::console::MakeStandardOutputBinary();
        Write(weather::CsvFileStart());
    }
    int status = 0;
    for (const std::string& file : files) {
        const std::optional<std::string> bytes = ReadWholeFile(file);
        if (!bytes) {
            std::fflush(stdout);
            std::fprintf(stderr, "zorbel-synop: %s: Datei nicht lesbar\n", file.c_str());
            status = kFileFault;
            continue;
        }
        const std::vector<weather::SynopReport> reports = weather::ReadSynopReports(*bytes);
        if (reports.empty()) {
            std::fflush(stdout);
            std::fprintf(stderr, "zorbel-synop: %s: %s\n", file.c_str(), std::string(weather::kNoWeatherReport).c_str());
            status = kFileFault;
            continue;
        }
        if (csv) {
            for (const weather::SynopReport& report : reports) Write(weather::CsvLine(report) + std::string(weather::kCsvLineEnd));
        } else {
            WriteReadable(reports);
        }
    }
    return std::fflush(stdout) == 0 ? status : 1;
}
