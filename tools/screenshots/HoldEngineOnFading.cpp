// Not a check but a picture for the README: run by take-screenshot.sh inside a
// Wine desktop window, it makes a weather-service broadcast received over a
// fading HF path (two paths, ITU-R "moderate", +10 dB), plays it into our
// engine in real time and, once most of it is read, says where the engine's
// window stands; it keeps it up until the picture has been taken.
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
#include "decoder/SignalGenerator.h"
#include "decoder/WavFile.h"
#include "zorbel-engine/EngineSettings.h"
#include "zorbel-engine/win32/EngineWindowIds.h"

int main(int argc, char** argv) {
  const std::string error = bench::ParseBenchConfig(argc, argv);
  const auto& config = bench::Config();
  if (!error.empty() || config.readyFile.empty() || config.releaseFile.empty() || config.engineExe.empty()) {
    std::fprintf(stderr, "hold-engine-on-fading: %s\n",
                 error.empty() ? "--ready-file, --release-file and --engine-exe needed" : error.c_str());
    return 2;
  }
  try {
    const std::wstring folder = config.workRoot + L"\\EngineOnFading";
    std::filesystem::create_directories(folder);
    const std::wstring recording = folder + L"\\seewetter-fading.wav";
    // As the weather service sends: 50 Bd, 450 Hz shift; received on the upper sideband the lower tone is mark.
    namespace rtty = zorbel::decoder;
    const rtty::SignalShape shape;
    rtty::WavAudio audio{shape.sampleRate,
                         rtty::GenerateRtty("ZCZC 104\r\nFQEN71 EDZW 070600\r\nSEEWETTERBERICHT FUER DIE OSTSEE\r\n"
                                            "WESTLICHE OSTSEE: SUED 4 BIS 5, SPAETER WEST 6, SEE 1,5 METER.\r\n"
                                            "SUEDLICHE OSTSEE: SUEDWEST 5, SEE 1 METER.\r\nNNNN\r\n",
                                            {50.0, 450.0, 1000.0, false, 1.5}, shape)};
    rtty::ApplyFading(audio.samples, rtty::kModeratePaths, shape.sampleRate, 3);
    rtty::AddNoise(audio.samples, 10.0, shape, 3);
    rtty::WriteWavFile(std::filesystem::path(recording), audio);
    // As a new user meets it: the polarity is found from the signal.
    RegDeleteTreeW(HKEY_CURRENT_USER, zorbel::engine_side::kEngineSettingsKey);
    const auto engine = bench::StartProgram(config.engineExe, folder, 0,
                                            L"--baud 50 --shift 450 --mark 1000 --wav \"" + recording + L"\"");
    const HWND window = bench::WaitForTopWindow(engine.id, L"ZorbelEngineWindow", bench::milliseconds{15000});
    if (!window) throw std::runtime_error("no engine window");
    // Taller than it opens, so that the waterfall holds more of the fading.
    SetWindowPos(window, nullptr, 20, 20, 760, 520, SWP_NOZORDER);
    const HWND text = bench::Control(window, zorbel::engine_side::IDC_ENGINE_TEXT);
    // The picture while the last lines are still keyed, not the carrier after them.
    if (!bench::PollUntil([&] { return bench::WindowText(text).find(L"SUEDLICHE") != std::wstring::npos; },
                          bench::milliseconds{60000}))
      std::fprintf(stderr, "hold-engine-on-fading: the engine did not read the last line; the picture shows what it read\n");
    bench::PollUntil([&] { return bench::NothingLeftToPaint(window); }, bench::milliseconds{5000});
    const bool taken = bench::HoldForPicture(window);
    std::printf("hold-engine-on-fading: the engine read\n%s\n", bench::WideToUtf8(bench::WindowText(text)).c_str());
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(engine.process.get(), 10000);
    return taken ? 0 : 1;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "hold-engine-on-fading: %s\n", failure.what());
    return 1;
  }
}
