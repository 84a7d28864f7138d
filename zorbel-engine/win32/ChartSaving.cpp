#include "zorbel-engine/win32/ChartSaving.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

#include "decoder/PngImage.h"
#include "weatherfax/ChartName.h"
#include "weatherfax/ChartSchedule.h"
#include "win32/Encoding.h"
#include "win32/Handles.h"

namespace zorbel::engine_side {
namespace {

constexpr int kMostCopies = 99;

std::wstring SystemText(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring shown = text ? text : L"Windows-Fehler " + std::to_wstring(error);
    LocalFree(text);
    while (!shown.empty() && (shown.back() == L'\n' || shown.back() == L'\r' || shown.back() == L' ')) shown.pop_back();
    return shown;
}

// Written whole or not at all: a file the disk could not take is removed again.
DWORD WriteNewFile(const std::wstring& widePath, const std::string& bytes) {
    const win32::FileHandle file(
        CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    DWORD written = 0;
    if (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file.get()))
        return ERROR_SUCCESS;
    const DWORD error = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_DISK_FULL;
    DeleteFileW(widePath.c_str());
    return error;
}

}  // namespace

ChartSaved SaveChart(const ReceivedChart& chart, int frequencyHz, const std::wstring& wideFolder) {
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(wideFolder), made);
    if (made) return {false, L"Der Ordner „" + wideFolder + L"“ lässt sich nicht anlegen: " + SystemText(made.value())};
    const int minuteOfDay = static_cast<int>(((chart.start / 60) % (24 * 60) + 24 * 60) % (24 * 60));
    weatherfax::ReceivedChart named;
    named.start = chart.start - chart.start % 60;
    named.title = std::string(weatherfax::ScheduledTitle(minuteOfDay).value_or(weatherfax::kUntitled));
    named.frequencyHz = frequencyHz;
    named.incomplete = chart.incomplete;
    const std::string png = decoder::PngFromImage(chart.chart);
    for (named.copy = 1; named.copy <= kMostCopies; ++named.copy) {
        const std::wstring name = win32::Utf8ToWide(weatherfax::ChartFileName(named));
        const DWORD error = WriteNewFile(wideFolder + L"\\" + name, png);
        if (error == ERROR_SUCCESS) return {true, name};
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return {false, L"„" + name + L"“ lässt sich nicht schreiben: " + SystemText(error)};
    }
    return {false, L"Im Ordner „" + wideFolder + L"“ gibt es diese Karte schon " + std::to_wstring(kMostCopies) +
                       L"-mal."};
}

}  // namespace zorbel::engine_side
