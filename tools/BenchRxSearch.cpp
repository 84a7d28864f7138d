// Fills a visible Rx window with 5 MB of 70-character lines, puts a word
// only into the last line and times a search for it from the start, as
// "S&uchen" runs it: the control's text, the case-insensitive search, the
// selection of the hit. Prints the time (goal: at most 0.5 s).
//
//   bench_rx_search.exe [megabytes]

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "capture/RxSearch.h"
#include "win32/CaseFolding.h"
#include "win32/RxWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

void ServeQueue() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::u16string_view AsUtf16(const std::wstring& wide) {
    return {reinterpret_cast<const char16_t*>(wide.data()), wide.size()};
}

}  // namespace

int main(int argc, char** argv) {
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 5;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"BenchRxSearch";
    RegisterClassW(&windowClass);
    HWND main = CreateWindowW(L"BenchRxSearch", L"Rx search", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
    zorbel::win32::RxWindow rx;
    rx.Create(main, 1);
    MoveWindow(rx.Hwnd(), 4, 4, 780, 550, TRUE);

    // 4 KB per append with redraw off: the fast way to load a long text.
    std::string line(69, 'x');
    line += '\n';
    std::string chunk;
    while (chunk.size() < 4096) chunk += line;
    for (long appended = 0; appended < megabytes * 1024 * 1024; appended += static_cast<long>(chunk.size()))
        rx.AppendAtEnd(chunk);
    rx.AppendAtEnd("Letzte Zeile mit dem Wort \xC4rmelkanal\n");
    ServeQueue();
    rx.Select({0, 0});

    const zorbel::win32::LocaleCaseFolding folding;
    const auto started = Clock::now();
    const std::wstring text = rx.WholeText();
    const auto hit = zorbel::FindNextOccurrence(AsUtf16(text), u"ÄRMELKANAL", rx.Selection().cpMin, folding);
    if (hit) rx.Select({*hit, *hit + 10});
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf("search in %ld MB (%zu characters): %s at %ld, %.3f s (goal <= 0.5 s)\n", megabytes, text.size(),
                hit ? "found" : "NOT FOUND", hit.value_or(-1), seconds);
    DestroyWindow(main);
    return hit ? 0 : 1;
}
