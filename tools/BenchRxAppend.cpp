// Appends 70-character lines to a visible Rx window the way reception does
// (one append per line, the message queue served in between) until it holds
// 20 MB, and prints the cost per append at 1, 5 and 20 MB.
//
//   bench_rx_append.exe [megabytes]

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32/RxWindow.h"

namespace {

zorbel::win32::RxWindow rx;

LRESULT CALLBACK BenchWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case zorbel::win32::RxWindow::kResumeRedrawMessage:
        rx.ResumeRedraw();
        return 0;
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

}  // namespace

int main(int argc, char** argv) {
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 20;
    const long long target = megabytes * 1000LL * 1000LL;

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

    using Clock = std::chrono::steady_clock;
    long long appended = 0;
    long lines = 0;
    const long long marks[] = {1000000LL, 5000000LL, 20000000LL};
    std::size_t nextMark = 0;
    const long window_lines = 200;  // measure over this many appends around each mark
    auto windowStart = Clock::now();
    long windowCount = 0;
    bool measuring = false;

    while (appended < target) {
        const std::string line = MakeLine(lines);
        if (!measuring && nextMark < 3 && appended + window_lines * 70 >= marks[nextMark] - window_lines * 70) {
            measuring = true;
            windowCount = 0;
            windowStart = Clock::now();
        }
        rx.AppendAtEnd(line);
        ServeQueue();
        appended += static_cast<long long>(line.size());
        ++lines;
        if (measuring && ++windowCount == 2 * window_lines) {
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - windowStart).count();
            std::printf("at %5.1f MB: %.3f ms per append (over %ld appends)\n", marks[nextMark] / 1e6,
                        ms / windowCount, windowCount);
            std::fflush(stdout);
            measuring = false;
            ++nextMark;
        }
    }
    const long length = rx.TextLength();
    std::printf("appended %lld characters in %ld lines; Rx window holds %ld characters: %s\n", appended, lines,
                length, length == appended ? "nothing lost" : "MISMATCH");
    DestroyWindow(window);
    return length == appended ? 0 : 1;
}
