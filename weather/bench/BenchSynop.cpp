// How long a day of weather bulletins takes: the sample broadcast's SMDL01 bulletin repeated
// to about 2,000 reports (goal: decoded in under 0.2 s), then worded as text and CSV lines.
//   bench_synop SAMPLE_BROADCAST [REPORTS]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "weather/ReadSynop.h"
#include "weather/ReportCsv.h"
#include "weather/ReportText.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_synop SAMPLE_BROADCAST [REPORTS]\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::string broadcast{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::size_t start = broadcast.find("SMDL01");
    const std::size_t end = broadcast.find("NNNN", start);
    if (start == std::string::npos || end == std::string::npos) {
        std::fprintf(stderr, "bench_synop: no SMDL01 bulletin in %s\n", argv[1]);
        return 2;
    }
    const std::string bulletin = broadcast.substr(start, end + 4 - start) + "\r\n";
    const std::size_t wanted = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 2000;
    const std::size_t perBulletin = weather::ReadSynopReports(bulletin).size();
    std::string day;
    for (std::size_t reports = 0; reports < wanted; reports += perBulletin) day += bulletin;

    auto clock = std::chrono::steady_clock::now();
    const std::vector<weather::SynopReport> reports = weather::ReadSynopReports(day);
    const double decodeSeconds = SecondsSince(clock);
    clock = std::chrono::steady_clock::now();
    std::size_t bytes = 0;
    for (const weather::SynopReport& report : reports) {
        bytes += weather::ReadableReport(report).size() + weather::CsvLine(report).size();
    }
    const double wordingSeconds = SecondsSince(clock);
    std::printf("%zu reports (%zu KB of text): decoded in %.4f s (goal under 0.2 s), worded in %.4f s (%zu KB)\n",
                reports.size(), day.size() / 1024, decodeSeconds, wordingSeconds, bytes / 1024);
    return 0;
}
