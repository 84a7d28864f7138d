#include "ZorbelSuite.h"

#include <dlgs.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "BenchConfig.h"
#include "RemoteText.h"
#include "ScreenPicture.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "resource.h"

using bench::WideToUtf8;

std::unique_ptr<bench::ZorbelProcess> ZorbelSuite::zorbel_;
std::unique_ptr<bench::Probe> ZorbelSuite::probe_;
std::string ZorbelSuite::startError_;

void ZorbelSuite::StartZorbel(const bench::ZorbelProcess::FolderSetup& setup, bool waitForMainWindow) {
  const std::string group = ::testing::UnitTest::GetInstance()->current_test_suite()->name();
  try {
    zorbel_ = std::make_unique<bench::ZorbelProcess>(bench::Utf8ToWide(group), setup, waitForMainWindow);
    startError_.clear();
  } catch (const std::exception& error) {
    startError_ = error.what();
  }
}

void ZorbelSuite::StartWithStandIn(const std::wstring& options,
                                   const std::vector<std::pair<std::wstring, std::string>>& files,
                                   bench::StandInStart start,
                                   const bench::ZorbelProcess::FolderSetup& alsoSetUp) {
  StartZorbel([&](const std::wstring& folder) {
    for (const auto& [name, bytes] : files) bench::WriteFileBytes(folder + L"\\" + name, bytes);
    bench::PlaceStandInEngine(folder, options, start);
    if (alsoSetUp) alsoSetUp(folder);
  });
}

void ZorbelSuite::StartAgain() {
  probe_.reset();
  zorbel_->StartAgain();
}

void ZorbelSuite::TearDownTestSuite() {
  probe_.reset();
  zorbel_.reset();
}

void ZorbelSuite::SetUp() {
  ASSERT_TRUE(zorbel_) << startError_;
  ASSERT_FALSE(zorbel_->HasExited()) << "zorbel.exe has ended during the tests";
}

HWND ZorbelSuite::ControlOfMain(int controlId) { return bench::Control(MainWindow(), controlId); }

// Every reader first lets zorbel handle what the test posted before: a sent
// message from another thread is served ahead of posted ones, so without the
// wait a read can overtake the click it is meant to check.
std::string ZorbelSuite::ControlText(int controlId) {
  WaitUntilHandled();
  return WideToUtf8(bench::WindowText(ControlOfMain(controlId)));
}

std::string ZorbelSuite::PanelText(int panel) {
  WaitUntilHandled();
  return WideToUtf8(bench::StatusPanelText(zorbel_->process(), ControlOfMain(IDC_STATUS_BAR), panel));
}

std::vector<std::string> ZorbelSuite::RxLines() {
  // Clearing and opening also put a new control in the old one's place.
  WaitUntilHandled();
  std::istringstream text(WideToUtf8(bench::RichEditText(zorbel_->process(), ControlOfMain(IDC_RX_WINDOW))));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line, '\r');) lines.push_back(line);
  return lines;
}

bench::Probe& ZorbelSuite::ProbeOfZorbel() {
  if (!probe_) probe_ = std::make_unique<bench::Probe>(*zorbel_);
  return *probe_;
}

std::wstring ZorbelSuite::ReadMenu() { return ProbeOfZorbel().Ask(probe::ProbeRequest::DumpMenu); }

std::wstring ZorbelSuite::OpenMenuPopup(const std::vector<int>& positions) {
  return ProbeOfZorbel().Ask(probe::ProbeRequest::OpenPopupAndDumpMenu, probe::PackMenuPath(positions));
}

std::string ZorbelSuite::MenuEntry(const std::wstring& menu, const std::wstring& caption) {
  std::wistringstream lines(menu);
  for (std::wstring line; std::getline(lines, line);) {
    line.erase(0, line.find_first_not_of(L' '));
    if (line.starts_with(caption) && (line.size() == caption.size() || line[caption.size()] == L' ' ||
                                      line[caption.size()] == L'\\'))
      return WideToUtf8(line);
  }
  throw std::runtime_error("no menu entry " + WideToUtf8(caption));
}

bool ZorbelSuite::MenuEnabled(const std::wstring& menu, const std::wstring& caption) {
  const std::string entry = MenuEntry(menu, caption);
  return !entry.ends_with("[grayed]") && !entry.ends_with("[disabled]");
}

bool ZorbelSuite::MenuChecked(const std::wstring& caption) {
  return MenuEntry(ReadMenu(), caption).find("[checked]") != std::string::npos;
}

void ZorbelSuite::WaitUntilHandled() { ProbeOfZorbel().Ask(probe::ProbeRequest::Ping); }

bool ZorbelSuite::ClickRecordButtonUntil(const std::string& caption) {
  bench::ClickButton(ControlOfMain(IDC_RECORD_BUTTON));
  return bench::PollUntil([&] { return ControlText(IDC_RECORD_BUTTON) == caption; }, kBound);
}

std::optional<bench::MessageBoxContent> ZorbelSuite::NextBox(bench::milliseconds bound) {
  return bench::WaitForMessageBox(zorbel_->processId(), bound);
}

std::string ZorbelSuite::IconOfBox() {
  return WideToUtf8(ProbeOfZorbel().Ask(probe::ProbeRequest::NameMessageBoxIcon));
}

std::string ZorbelSuite::NoBoxes() { return WideToUtf8(bench::DescribeMessageBoxes(zorbel_->processId())); }

std::string ZorbelSuite::AnswerNext(std::wstring_view caption, bool whole) {
  const auto box = NextBox();
  if (!box) return "";
  std::string seen = WideToUtf8(box->title);
  if (whole) {
    std::string buttons;
    for (const auto& button : box->buttons) buttons += WideToUtf8(button.caption) + ' ';
    if (!buttons.empty()) buttons.pop_back();
    std::erase(buttons, '&');  // Wine may underline a letter
    seen += '|' + WideToUtf8(box->text) + '|' + IconOfBox() + '|' + buttons;
  }
  bench::AnswerMessageBox(*box, std::wstring(caption));
  return seen;
}

namespace {

// The common file dialog's name field: the edit of a combo box, which Wine wraps in a ComboBoxEx.
HWND FileNameField(HWND dialog) {
  HWND combo = bench::Control(dialog, cmb13);
  if (HWND inner = FindWindowExW(combo, nullptr, L"ComboBox", nullptr)) combo = inner;
  return bench::ComboEdit(combo);
}

}  // namespace

std::string ZorbelSuite::ChooseInFileDialog(const std::wstring& path, DWORD processId) {
  if (processId == 0) processId = zorbel_->processId();
  const auto dialog = bench::WaitForMessageBox(processId, kBound);
  if (!dialog) return "no file dialog";
  const HWND field = FileNameField(dialog->window);
  const std::string seen = WideToUtf8(dialog->title) + " [" + WideToUtf8(bench::WindowText(field)) + "]";
  bench::SendBounded(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(dialog->window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog->window, IDOK)));
  // Gone, or covered by a question of its own (whether to replace a file).
  const auto settled = [&] {
    const auto dialogs = bench::VisibleDialogsOf(processId);
    return std::find(dialogs.begin(), dialogs.end(), dialog->window) == dialogs.end() ||
           dialogs.front() != dialog->window;
  };
  return bench::PollUntil(settled, kBound) ? seen : seen + " stayed";
}

std::wstring ZorbelSuite::InWorkingFolder(const std::wstring& name) { return zorbel_->workingFolder() + L"\\" + name; }

std::string ZorbelSuite::SaveScreenshot(HWND window, const std::wstring& name, std::optional<RECT> area) {
  const std::wstring& folder = bench::Config().screenshotDir;
  if (folder.empty()) return "";
  bench::PollUntil([&] { return bench::NothingLeftToPaint(window); }, kBound);
  if (!area) GetWindowRect(window, &area.emplace());
  std::filesystem::create_directories(folder);
  return bench::SaveScreenPng(*area, folder + L"\\" + name);
}

bench::StandInLog ZorbelSuite::Log() { return bench::StandInLog(InWorkingFolder(bench::kStandInLogName)); }

std::string ZorbelSuite::HandshakeLine() {
  return "command 0 " + std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(MainWindow())));
}

SYSTEMTIME LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now;
}

std::string BulletinHeader(const std::string& type) {
  SYSTEMTIME utc{};
  GetSystemTime(&utc);
  char day[8];
  std::snprintf(day, sizeof day, "%02d", utc.wDay);
  return type + " EDZW " + day + "0600";
}

namespace {

constexpr std::uint64_t kTicksPerSecond = 10'000'000;  // FILETIME counts 100 ns

std::uint64_t Seconds(const SYSTEMTIME& when) {
  FILETIME file{};
  SystemTimeToFileTime(&when, &file);
  return ((static_cast<std::uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime) / kTicksPerSecond;
}

// Short date, a blank, long time: "5.12.2026 07:06:57" under Wine's German locale.
std::string GeneralDateTime(std::uint64_t seconds) {
  const std::uint64_t ticks = seconds * kTicksPerSecond;
  const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME when{};
  FileTimeToSystemTime(&file, &when);
  wchar_t date[64] = {}, time[64] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, 64);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &when, nullptr, time, 64);
  return WideToUtf8(std::wstring(date) + L" " + time);
}

}  // namespace

std::vector<std::string> TimesMarked(std::vector<std::string> lines, const SYSTEMTIME& since) {
  const std::uint64_t last = Seconds(LocalNow());
  for (std::string& line : lines) {
    for (std::uint64_t second = Seconds(since); second <= last; ++second) {
      const std::string time = GeneralDateTime(second);
      if (const auto at = line.find(time); at != std::string::npos) {
        line.replace(at, time.size(), "<Zeit>");
        break;
      }
    }
  }
  return lines;
}
