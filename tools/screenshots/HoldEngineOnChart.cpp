// Not a check but a picture for the README: run by take-screenshot.sh inside a
// Wine desktop window, it sends a weather chart by radiofax as the weather
// service does (start tone, phasing, 120 lines a minute, stop tone) over a
// two-path HF channel ("good" fading, +10 dB) from a sound card whose clock is
// 150 ppm off, plays it into our engine in "Modus › Wetterfax" and, once the
// chart is saved, keeps the engine window with the chart as received up until
// the picture has been taken.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <filesystem>

#include "BenchConfig.h"
#include "PictureHandshake.h"
#include "Poll.h"
#include "TextConversion.h"
#include "WindowQueries.h"
#include "ZorbelProcess.h"
#include "decoder/FaxGenerator.h"
#include "decoder/FaxTestCharts.h"
#include "decoder/WavFile.h"
#include "zorbel-engine/EngineSettings.h"
#include "zorbel-engine/win32/EngineWindowIds.h"

namespace {

void StoreEngineSetting(const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, zorbel::engine_side::kEngineSettingsKey, name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string error = bench::ParseBenchConfig(argc, argv);
  const auto& config = bench::Config();
  if (!error.empty() || config.readyFile.empty() || config.releaseFile.empty() || config.engineExe.empty()) {
    std::fprintf(stderr, "hold-engine-on-chart: %s\n",
                 error.empty() ? "--ready-file, --release-file and --engine-exe needed" : error.c_str());
    return 2;
  }
  try {
    namespace fax = zorbel::decoder;
    const std::wstring folder = config.workRoot + L"\\EngineOnChart";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::wstring recording = folder + L"\\bodenanalyse.wav";
    const fax::FaxMode mode;
    fax::SignalShape shape;
    shape.rateOff = 150e-6;
    const fax::GreyImage chart = fax::MakeTestChart(mode.ElementsPerLine(), 400, 11);
    fax::WavAudio audio{shape.sampleRate, fax::GenerateFax(chart, mode, {5.0, 40, 5.0, 3.0}, shape)};
    fax::ApplyFading(audio.samples, fax::kGoodPaths, shape.sampleRate, 11);
    fax::AddNoise(audio.samples, 10.0, shape, 11);
    fax::WriteWavFile(std::filesystem::path(recording), audio);
    // As a new user who chose "Modus › Wetterfax".
    RegDeleteTreeW(HKEY_CURRENT_USER, zorbel::engine_side::kEngineSettingsKey);
    StoreEngineSetting(L"Wetterfax", L"1");
    StoreEngineSetting(L"Wetterkartenordner", folder + L"\\Wetterkarten");
    const auto engine = bench::StartProgram(config.engineExe, folder, 0, L"--fast --wav \"" + recording + L"\"");
    const HWND window = bench::WaitForTopWindow(engine.id, L"ZorbelEngineWindow", bench::milliseconds{15000});
    if (!window) throw std::runtime_error("no engine window");
    // As large as the desktop allows, so that the chart shows at a readable size.
    SetWindowPos(window, nullptr, 0, 0, 1024, 768, SWP_NOZORDER);
    const HWND message = bench::Control(window, zorbel::engine_side::IDC_ENGINE_MESSAGE);
    if (!bench::PollUntil([&] { return bench::WindowText(message).starts_with(L"Wetterkarte gespeichert"); },
                          bench::milliseconds{120000}))
      std::fprintf(stderr, "hold-engine-on-chart: no chart saved; the picture shows what was received\n");
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);  // no tooltip
    bench::PollUntil([&] { return bench::NothingLeftToPaint(window); }, bench::milliseconds{5000});
    const bool taken = bench::HoldForPicture(window);
    std::printf("hold-engine-on-chart: %s\n", bench::WideToUtf8(bench::WindowText(message)).c_str());
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(engine.process.get(), 10000);
    return taken ? 0 : 1;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "hold-engine-on-chart: %s\n", failure.what());
    return 1;
  }
}
