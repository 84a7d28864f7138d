// Opens and saves a Rx window document of a given size the way the file
// commands do, and prints the seconds each step takes:
//   - open TXT: read the file, decode it, insert it into the Rx window;
//   - save TXT and save RTF: take the text out, write it beside the target, replace;
//   - open RTF: read the file and stream it in;
//   - then the cost of one received line appended after opening.
//
//   bench_rx_document.exe [megabytes] [folder]

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <variant>

#include "capture/RxDocument.h"
#include "win32/DocumentFiles.h"
#include "win32/RxWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

zorbel::win32::RxWindow rx;
zorbel::win32::WindowsDocumentFiles files;

void ServeQueue() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

HWND CreateBenchWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorbelBenchDocument";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"ZorbelBenchDocument", L"Rx document benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                                600, nullptr, nullptr, windowClass.hInstance, nullptr);
    rx.Create(window, 1);
    MoveWindow(rx.Hwnd(), 4, 4, 780, 560, TRUE);
    ShowWindow(window, SW_SHOW);
    ServeQueue();
    return window;
}

// 70-character lines in code page 1252, umlauts included, CR LF at each end.
std::string MakeText(long long bytes) {
    std::string text;
    for (long number = 0; static_cast<long long>(text.size()) < bytes; ++number) {
        char head[16];
        std::snprintf(head, sizeof head, "%08ld ", number);
        std::string line = head;
        line += "K\xFChl \xE4\xF6\xFC ";
        while (line.size() < 68) line.push_back(static_cast<char>('A' + (line.size() % 26)));
        text += line + "\r\n";
    }
    return text;
}

template <typename Step>
double Seconds(Step step) {
    const auto start = Clock::now();
    step();
    ServeQueue();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Any size: the bench measures sizes beyond the program's limit too.
std::string ReadAll(const std::wstring& path) {
    auto read = files.ReadAll(path, std::numeric_limits<std::uint64_t>::max());
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : std::string();
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const long long megabytes = argc > 1 ? std::atol(argv[1]) : 5;
    std::wstring folder = L".";
    if (argc > 2) folder.assign(argv[2], argv[2] + std::strlen(argv[2]));
    const std::wstring txtPath = folder + L"\\bench-document.txt";
    const std::wstring rtfPath = folder + L"\\bench-document.rtf";
    HWND window = CreateBenchWindow();

    const std::string text = MakeText(megabytes * 1000 * 1000);
    files.WriteReplacing(txtPath, text);
    std::printf("document of %lld MB (%zu bytes)\n", megabytes, text.size());

    const double openTxt = Seconds([&] { rx.ReplaceWithText(zorbel::DecodeTextFile(ReadAll(txtPath))); });
    std::printf("open TXT  %8.2f s (%ld characters)\n", openTxt, rx.TextLength());
    const double saveTxt =
        Seconds([&] { files.WriteReplacing(txtPath, zorbel::EncodeTextFile(rx.PlainText()).bytes); });
    std::printf("save TXT  %8.2f s (%s)\n", saveTxt, ReadAll(txtPath) == text ? "same bytes" : "CHANGED");
    const double saveRtf = Seconds([&] { files.WriteReplacing(rtfPath, rx.RtfBytes()); });
    std::printf("save RTF  %8.2f s\n", saveRtf);
    std::fflush(stdout);

    std::printf("clear     %8.2f s\n", Seconds([] { rx.Clear(); }));
    const double openRtf = Seconds([&] { rx.ReplaceWithRtf(ReadAll(rtfPath)); });
    std::printf("open RTF  %8.2f s (%ld characters)\n", openRtf, rx.TextLength());

    constexpr int kLines = 300;
    const std::string line(69, 'X');
    const double append = Seconds([&] {
        for (int i = 0; i < kLines; ++i) {
            rx.AppendAtEnd(line + "\n");
            ServeQueue();
        }
    });
    std::printf("append after opening: %.3f ms a line\n", append * 1000 / kLines);
    std::printf("done\n");
    DeleteFileW(txtPath.c_str());
    DeleteFileW(rtfPath.c_str());
    DestroyWindow(window);
    return 0;
}
