// Appends 70-character lines to a visible Rx window the way reception does,
// until it holds 20 MB, and prints the cost per append at 1, 5 and 20 MB:
//   - in a burst: lines arrive faster than the screen is served, so the
//     queue is served once every 500 lines (one repaint for all of them);
//   - one at a time: the queue is served after every line, so every line
//     is painted (the slow, real-time case).
// Finally it compares the window's text length with what was appended.
//
//   bench_rx_append.exe [megabytes]

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "win32/RxWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBurstLines = 500;
constexpr int kSampleLines = 300;

zorbel::win32::RxWindow rx;

LRESULT CALLBACK BenchWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(rx.Hwnd(), 4, 4, LOWORD(lParam) - 8, HIWORD(lParam) - 8, TRUE);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void ServeQueue() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::string MakeLine(long number) {
    char head[16];
    std::snprintf(head, sizeof head, "%08ld ", number);
    std::string line = head;
    while (line.size() < 69) line.push_back(static_cast<char>('A' + (line.size() % 26)));
    line.push_back('\n');
    return line;  // 70 characters, line feed included
}

double Milliseconds(Clock::duration elapsed) { return std::chrono::duration<double, std::milli>(elapsed).count(); }

class Feeder {
public:
    void Append() {
        const std::string line = MakeLine(lines_++);
        rx.AppendAtEnd(line);
        appended_ += static_cast<long long>(line.size());
    }
    long long Appended() const { return appended_; }

private:
    long lines_ = 0;
    long long appended_ = 0;
};

HWND CreateBenchWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BenchWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorbelBenchRx";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"ZorbelBenchRx", L"Rx append benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    rx.Create(window, 1);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    ServeQueue();
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    const long long megabytes = argc > 1 ? std::atol(argv[1]) : 20;
    HWND window = CreateBenchWindow();
    Feeder feeder;

    std::printf("%8s %22s %26s\n", "size", "burst (ms per append)", "one at a time (ms/append)");
    for (long long mark : {1LL, 5LL, 20LL}) {
        if (mark > megabytes) break;
        const long long target = mark * 1000 * 1000;
        const auto burstStart = Clock::now();
        long burstLines = 0;
        while (feeder.Appended() < target) {
            feeder.Append();
            if (++burstLines % kBurstLines == 0) ServeQueue();
        }
        ServeQueue();
        const double burst = Milliseconds(Clock::now() - burstStart) / burstLines;

        const auto sampleStart = Clock::now();
        for (int i = 0; i < kSampleLines; ++i) {
            feeder.Append();
            ServeQueue();
        }
        const double single = Milliseconds(Clock::now() - sampleStart) / kSampleLines;
        std::printf("%5lld MB %22.3f %26.3f\n", mark, burst, single);
        std::fflush(stdout);
    }

    const long length = rx.TextLength();
    std::printf("appended %lld characters; the Rx window holds %ld: %s\n", feeder.Appended(), length,
                length == feeder.Appended() ? "nothing lost" : "MISMATCH");
    DestroyWindow(window);
    return length == feeder.Appended() ? 0 : 1;
}
