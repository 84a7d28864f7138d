#include "shell/WeatherReading.h"

#include <commdlg.h>

#include <algorithm>
#include <variant>

#include "codepage/Cp1252.h"
#include "weather/ReadSynop.h"
#include "weather/ReportSelection.h"
#include "win32/DocumentFiles.h"
#include "win32/FileDialogs.h"

namespace zorbel::shell {
namespace {

constexpr char kTitle[] = "Wetter lesen";
constexpr std::uint64_t kMaxFileBytes = 64ull << 20;

std::wstring FileNameOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

void WeatherReading::Open(HWND owner, const std::wstring& wideSynopFolder) {
    if (rx_.HasSelection()) return Show(owner, SelectionWithItsSection(), L"Auswahl im Rx-Fenster", wideSynopFolder);

    const win32::FileDialogRequest request{
        L"Wetter lesen", L"Wetterberichte (Synop*.txt)|Synop*.txt|Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*|",
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY};
    const platform::FileChoice choice = win32::ShowFileDialog(owner, request, wideSynopFolder, 1, L"");
    if (const auto* failure = std::get_if<platform::DialogFailure>(&choice))
        return dialogs_.ShowMessage(platform::MessageIcon::Exclamation, failure->utf8Reason, kTitle);
    const auto* chosen = std::get_if<platform::ChosenFile>(&choice);
    if (!chosen) return;

    win32::WindowsDocumentFiles files;
    const auto content = files.ReadAll(chosen->widePath, kMaxFileBytes);
    if (const auto* failure = std::get_if<platform::FileFailure>(&content))
        return dialogs_.ShowMessage(platform::MessageIcon::Exclamation,
                                    "Die Datei konnte nicht gelesen werden: " + failure->utf8Reason, kTitle);
    if (std::holds_alternative<platform::FileTooLarge>(content))
        return dialogs_.ShowMessage(platform::MessageIcon::Exclamation,
                                    "Die Datei ist zu groß für einen Wetterbericht.", kTitle);
    Show(owner, std::get<std::string>(content), FileNameOf(chosen->widePath), wideSynopFolder);
}

// The text up to the selection's end is enough to find the section above it.
std::string WeatherReading::SelectionWithItsSection() const {
    const CHARRANGE range = rx_.Selection();
    const std::wstring wideText = rx_.TextAs(GT_DEFAULT, range.cpMax);
    const std::size_t begin = std::min(wideText.size(), static_cast<std::size_t>(range.cpMin));
    const std::string cp1252Before = WideToCp1252(std::wstring_view(wideText).substr(0, begin));
    const std::string cp1252Text = cp1252Before + WideToCp1252(std::wstring_view(wideText).substr(begin));
    return weather::SelectionWithItsSection(cp1252Text, cp1252Before.size(), cp1252Text.size());
}

void WeatherReading::Show(HWND owner, std::string_view cp1252Text, const std::wstring& wideSource,
                          const std::wstring& wideSynopFolder) {
    std::vector<weather::SynopReport> reports = weather::ReadSynopReports(cp1252Text);
    if (reports.empty())
        return dialogs_.ShowMessage(platform::MessageIcon::Information, weather::kNoWeatherReport, kTitle);
    // Windows the user has closed give their place to the new one.
    std::erase_if(windows_, [](const auto& window) { return !window->IsOpen(); });
    auto window = std::make_unique<win32::WeatherWindow>(std::move(reports), wideSource, wideSynopFolder);
    if (window->Create(owner)) windows_.push_back(std::move(window));
}

}  // namespace zorbel::shell
