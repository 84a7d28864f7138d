// The station map of many stations: the scene made for a window of 1000 x 700
// pixels and painted into a bitmap as the weather window does, every station
// of the table with wind, cloud, figures and a weather sign. Prints the time
// of each (goal: 200 stations drawn in at most 50 ms).
//
//   bench_station_map.exe [stations] [rounds]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "weather/StationTable.h"
#include "weather/view/StationMap.h"
#include "win32/Handles.h"
#include "win32/StationMapPainter.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Every station of the table in turn, with values that vary from one to the next.
std::vector<weather::SynopReport> Reports(int count) {
    const auto stations = weather::AllStations();
    std::vector<weather::SynopReport> reports;
    for (int index = 0; index < count; ++index) {
        const weather::Station& station = stations[static_cast<std::size_t>(index) % stations.size()];
        weather::SynopReport report;
        // Stations beyond the table's count stand beside it, so each one is drawn.
        report.station = std::to_string(index);
        report.latitudeDeg = station.latitudeDeg + (index / static_cast<int>(stations.size())) * 0.3;
        report.longitudeDeg = station.longitudeDeg;
        report.windDirectionDeg = 10 + (index * 37) % 360;
        report.windKnots = (index * 7) % 70;
        report.cloudOctas = index % 10;
        report.temperatureC = (index % 30) - 10.0;
        report.dewPointC = (index % 30) - 13.0;
        report.seaLevelPressureHpa = 990.0 + (index % 40);
        report.pressureChangeHpa = (index % 9) / 10.0 - 0.4;
        report.presentWeather = (index * 13) % 100;
        reports.push_back(report);
    }
    return reports;
}

}  // namespace

int main(int argc, char** argv) {
    const int stations = argc > 1 ? std::atoi(argv[1]) : 200;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 20;
    const SIZE size{1000, 700};
    const std::vector<weather::SynopReport> reports = Reports(stations);

    const HDC screen = GetDC(nullptr);
    const zorbel::win32::DcHandle memory(CreateCompatibleDC(screen));
    const zorbel::win32::BitmapHandle bitmap(CreateCompatibleBitmap(screen, size.cx, size.cy));
    ReleaseDC(nullptr, screen);
    const zorbel::win32::SelectedObject selected(memory.get(), bitmap.get());

    double bestScene = 1e9, bestPaint = 1e9, worstTotal = 0;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        const weather::MapScene scene =
            weather::BuildStationMap(reports, size.cx, size.cy, zorbel::win32::StationUnitAt(96),
                                     zorbel::win32::MeasureMapText(memory.get(), 96));
        const double sceneMs = MillisecondsSince(start);
        const auto paintStart = Clock::now();
        zorbel::win32::PaintStationMap(memory.get(), size, scene, 96);
        GdiFlush();
        const double paintMs = MillisecondsSince(paintStart);
        bestScene = std::min(bestScene, sceneMs);
        bestPaint = std::min(bestPaint, paintMs);
        worstTotal = std::max(worstTotal, sceneMs + paintMs);
    }
    std::printf("station map, %d stations, %ldx%ld pixels, %d rounds: scene %.2f ms, painting %.2f ms (best); "
                "slowest round %.2f ms in all (goal: at most 50 ms)\n",
                stations, size.cx, size.cy, rounds, bestScene, bestPaint, worstTotal);
    return 0;
}
