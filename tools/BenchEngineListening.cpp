// Live listening for hours: our engine zorbel-engine.exe hears a broadcast
// recorded at 48 kHz in real time, round after round, for N minutes, its
// window visible. From the samples on this is the sound card's path: the
// decoder, the spectrum and waterfall drawn, the text shown, the characters
// posted to the program, here a window of this benchmark that counts them as
// zorbel would take them. With --sound-card the engine listens to the bench
// session's sound card (tests/wine/session/sound-server.sh) at its own rate,
// 8000 Hz, and the broadcast is played into it. Prints the engine's memory
// (private bytes 10 s in, at the end, and their peak, looked at every 10 s),
// its CPU time as a share of one core, and whether it kept up with real
// time: the characters of the rounds so far posted by the time their sound
// has played.
//
//   bench_engine_listening.exe <zorbel-engine.exe> <work folder> [--minutes N] [--sound-card]

#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "decoder/SignalGenerator.h"
#include "decoder/WavFile.h"
#include "engine/EngineCodes.h"
#include "BenchConfig.h"
#include "CountingProgram.h"
#include "SoundCard.h"
#include "TextConversion.h"
#include "WindowQueries.h"
#include "win32/Handles.h"
#include "zorbel-engine/win32/EngineWindowIds.h"

namespace {

using Clock = std::chrono::steady_clock;
using zorbel::engine::EngineCommand;

constexpr int kDefaultMinutes = 60;
constexpr double kRecordingRate = 48000.0;
// The engine records the sound card at 8000 Hz; a broadcast of an hour at 48 kHz would need 700 MB here.
constexpr double kSoundCardRate = 8000.0;
constexpr double kRoundSeconds = 60.0;
constexpr auto kLookEvery = std::chrono::seconds(10);
// Characters of a round still on their way when its sound has played: the
// decoder ends a character a bit after its stop bit, the timers tick at 20 ms.
constexpr auto kLateness = std::chrono::seconds(2);
constexpr auto kAnnounceBound = std::chrono::seconds(30);

const char* const kLines[] = {
    "SEEWETTERBERICHT FUER NORD- UND OSTSEE VON DEUTSCHER WETTERDIENST HAMBURG",
    "WETTERLAGE: TIEF 978 SUEDNORWEGEN, ZIEHT LANGSAM OSTWAERTS, VERTIEFT SICH WENIG.",
    "WESTLICHE OSTSEE: WEST BIS SUEDWEST 5 BIS 6, SPAETER NORDWEST 6, SEE 2 METER.",
    "10381 11/75 72502 10032 20016 30083 40125 52008 70272 8457/",
};

// The German weather service's mode and a mildly noisy path, a round long, `rounds` times.
void WriteBroadcast(const std::filesystem::path& path, double sampleRate, int rounds) {
    const zorbel::decoder::RttyMode mode{50, 450, 1000, true, 1.5};
    zorbel::decoder::SignalShape shape;
    shape.sampleRate = sampleRate;
    // Noise alone for longer than the lateness at either end, so that a
    // round's characters are counted at its due time and none of the next.
    shape.silenceBeforeSeconds = 2.5;
    const double textSeconds = kRoundSeconds - shape.silenceBeforeSeconds - shape.leadSeconds - shape.tailSeconds - 2.5;
    const double characterSeconds = 7.5 / mode.baud;
    std::string text;
    for (std::size_t line = 0; (static_cast<double>(text.size()) + 80) * characterSeconds < textSeconds; ++line)
        text += std::string(kLines[line % std::size(kLines)]) + "\r\n";
    zorbel::decoder::WavAudio audio{sampleRate, zorbel::decoder::GenerateRtty(text, mode, shape)};
    audio.samples.resize(static_cast<std::size_t>(kRoundSeconds * sampleRate), 0.0f);
    zorbel::decoder::AddNoise(audio.samples, 10.0, shape, 1);
    const std::vector<float> round = audio.samples;
    for (int copy = 1; copy < rounds; ++copy) audio.samples.insert(audio.samples.end(), round.begin(), round.end());
    zorbel::decoder::WriteWavFile(path, audio);
}

// Looks at nothing but the thread's messages until `until`.
void PumpUntil(Clock::time_point until) {
    bench::PumpUntil([] { return false; }, std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()));
}

double Megabytes(std::size_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

// The committed private memory (Windows' "private bytes"; under Wine the
// process's anonymous memory as Linux counts it).
std::size_t PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        throw std::runtime_error("cannot read the engine's memory");
    return counters.PagefileUsage;
}

// User and kernel time of every thread of the process. GetProcessTimes gives
// 0 for another process under Wine 8; the system's process list has them.
double CpuSeconds(DWORD processId) {
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    NTSTATUS status = 0;
    while ((status = NtQuerySystemInformation(SystemProcessInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), &needed)) ==
           static_cast<NTSTATUS>(0xC0000004L))  // STATUS_INFO_LENGTH_MISMATCH
        buffer.resize(std::max<std::size_t>(needed, buffer.size() * 2));
    if (status != 0) throw std::runtime_error("cannot list the processes");
    for (std::size_t at = 0;;) {
        const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + at);
        if (reinterpret_cast<std::uintptr_t>(entry->UniqueProcessId) == processId)
            return static_cast<double>(entry->UserTime.QuadPart + entry->KernelTime.QuadPart) / 1e7;
        if (entry->NextEntryOffset == 0) throw std::runtime_error("the engine is not running");
        at += entry->NextEntryOffset;
    }
}

int Run(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: bench_engine_listening.exe <zorbel-engine.exe> <work folder> [--minutes N] [--sound-card]\n",
                   stderr);
        return 2;
    }
    int minutes = kDefaultMinutes;
    bool soundCard = false;
    for (int at = 3; at < argc; ++at) {
        if (std::wcscmp(argv[at], L"--minutes") == 0 && at + 1 < argc) minutes = std::max(1, _wtoi(argv[++at]));
        else if (std::wcscmp(argv[at], L"--sound-card") == 0) soundCard = true;
        else throw std::runtime_error("unknown argument " + bench::WideToUtf8(argv[at]));
    }
    const int rounds = std::max(1, static_cast<int>(minutes * 60 / kRoundSeconds));
    const std::wstring folder = bench::ToWindowsPath(bench::WideToUtf8(argv[2]));
    std::filesystem::create_directories(folder);
    // The engine repeats a recording itself; the sound card gets the whole broadcast in one piece.
    const std::wstring recording = folder + L"\\broadcast.wav";
    const double sampleRate = soundCard ? kSoundCardRate : kRecordingRate;
    WriteBroadcast(recording, sampleRate, soundCard ? rounds : 1);

    const bench::CountingProgram counter;

    // As zorbel starts MMTTY; without the sound card, with the recording played in real time over and over.
    wchar_t handle[32];
    std::swprintf(handle, 32, L"%llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(counter.window())));
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\" -r -h" + handle +
                               L" --baud 50 --shift 450 --mark 1000 --reverse";
    if (!soundCard) commandLine += L" --wav \"" + recording + L"\" --repeat";
    // A stored "play fast" would play the rounds as fast as they are taken.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZORBEL\\Engine");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &started))
        throw std::runtime_error("cannot start the engine");
    CloseHandle(started.hThread);
    const zorbel::win32::KernelHandle engine(started.hProcess);

    if (!bench::PumpUntil([&] { return counter.engine() != nullptr; }, kAnnounceBound))
        throw std::runtime_error("the engine did not announce itself");
    if (soundCard) {
        const int monitor = bench::CaptureDeviceNamed(bench::kSinkMonitorName);
        if (monitor < 0) throw std::runtime_error("no sound card of the bench session's sound server");
        PostMessageW(counter.engine(), WM_COMMAND, zorbel::engine_side::IDM_ENGINE_DEVICE_FIRST + monitor, 0);
        const HWND message = bench::Control(counter.engine(), zorbel::engine_side::IDC_ENGINE_MESSAGE);
        // The engine says it listens once the card delivers.
        const auto listening = [&] {
            const std::wstring text = bench::WindowText(message);
            return text.starts_with(L"Höre auf") || text.ends_with(L"höre weiter.");
        };
        if (!bench::PumpUntil(listening, kAnnounceBound))
            throw std::runtime_error("the engine does not hear the sound card");
        bench::PlayIntoSink(recording);
    }
    const auto start = Clock::now();
    const double startCpu = CpuSeconds(started.dwProcessId);
    // The start's figure once the engine has read the recording and drawn its first pictures.
    PumpUntil(start + kLookEvery);
    const std::size_t startBytes = PrivateBytes(engine.get());
    std::size_t peakBytes = startBytes;
    std::printf("engine listening: %.1f MB private after %lld s; %d rounds of %.0f s at %.0f Hz%s\n",
                Megabytes(startBytes), static_cast<long long>(kLookEvery.count()), rounds, kRoundSeconds, sampleRate,
                soundCard ? " through the sound card" : " from a recording");
    std::fflush(stdout);

    // The first round's characters are what every round should bring; the
    // noise between the rounds decodes to a few characters more or less. An
    // engine slower than the sound falls behind further each round: a tenth
    // of what the rounds so far should have brought missing is a lag.
    std::uint64_t firstRound = 0;
    bool keptUp = true;
    for (int round = 1; round <= rounds; ++round) {
        const auto due = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                                     round * kRoundSeconds)) + kLateness;
        while (Clock::now() < due) {
            PumpUntil(std::min(due, Clock::now() + kLookEvery));
            peakBytes = std::max(peakBytes, PrivateBytes(engine.get()));
        }
        if (round == 1) firstRound = counter.characters();
        const std::uint64_t expected = firstRound * static_cast<std::uint64_t>(round);
        if (counter.characters() * 10 < expected * 9) keptUp = false;
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpuShare = (CpuSeconds(started.dwProcessId) - startCpu) / elapsed;
        std::printf("%6.0f s: %llu characters (%llu due), %.1f MB private, CPU %.1f %% of a core\n", elapsed,
                    static_cast<unsigned long long>(counter.characters()), static_cast<unsigned long long>(expected),
                    Megabytes(PrivateBytes(engine.get())), 100.0 * cpuShare);
        std::fflush(stdout);
    }

    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = CpuSeconds(started.dwProcessId) - startCpu;
    const std::size_t endBytes = PrivateBytes(engine.get());
    PostMessageW(counter.engine(), counter.linkMessage(), static_cast<WPARAM>(EngineCommand::End), 0);
    if (WaitForSingleObject(engine.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(engine.get(), 1);

    std::printf("listened %.1f min: memory (private) start %.1f MB, end %.1f MB, peak %.1f MB\n", elapsed / 60.0,
                Megabytes(startBytes), Megabytes(endBytes), Megabytes(peakBytes));
    std::printf("CPU %.1f s in %.0f s: %.1f %% of one core\n", cpu, elapsed, 100.0 * cpu / elapsed);
    std::printf("kept up with real time: %s (%llu characters, %llu in the first round)\n", keptUp ? "yes" : "NO",
                static_cast<unsigned long long>(counter.characters()), static_cast<unsigned long long>(firstRound));
    return keptUp ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_engine_listening: %s\n", error.what());
        return 1;
    }
}
