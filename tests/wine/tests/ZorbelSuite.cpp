#include "ZorbelSuite.h"

#include <stdexcept>

#include "StatusBar.h"
#include "TextConversion.h"
#include "WindowQueries.h"
#include "resource.h"

std::unique_ptr<bench::ZorbelProcess> ZorbelSuite::zorbel_;
std::unique_ptr<bench::Probe> ZorbelSuite::probe_;
std::string ZorbelSuite::startError_;

void ZorbelSuite::SetUpTestSuite() { StartZorbel({}); }

void ZorbelSuite::StartZorbel(const bench::ZorbelProcess::FolderSetup& setup) {
  const std::string group = ::testing::UnitTest::GetInstance()->current_test_suite()->name();
  try {
    zorbel_ = std::make_unique<bench::ZorbelProcess>(bench::Utf8ToWide(group), setup);
    startError_.clear();
  } catch (const std::exception& error) {
    startError_ = error.what();
  }
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

bench::Probe& ZorbelSuite::ProbeOfZorbel() {
  if (!probe_) probe_ = std::make_unique<bench::Probe>(*zorbel_);
  return *probe_;
}

std::vector<bench::MenuItem> ZorbelSuite::ReadMenu() {
  return bench::ParseMenuDump(ProbeOfZorbel().Ask(probe::ProbeRequest::DumpMenu));
}

std::vector<bench::MenuItem> ZorbelSuite::OpenMenuPopup(const std::vector<std::wstring>& captionPath) {
  const auto path = bench::MenuPositions(ReadMenu(), captionPath);
  return bench::ParseMenuDump(
      ProbeOfZorbel().Ask(probe::ProbeRequest::OpenPopupAndDumpMenu, probe::PackMenuPath(path)));
}

void ZorbelSuite::WaitUntilHandled() { ProbeOfZorbel().Ask(probe::ProbeRequest::Ping); }

std::string ZorbelSuite::PanelText(int panel) {
  return bench::WideToUtf8(bench::StatusPanelText(zorbel_->process(), ControlOfMain(IDC_STATUSBAR1), panel));
}
