// Not a check but a picture: run by take-screenshot.sh inside a Wine desktop
// window, it starts zorbel, says when the main window stands and keeps it up
// until the picture has been taken.
#include <filesystem>
#include <fstream>

#include "BenchConfig.h"
#include "Poll.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"

namespace {

using DesktopScreenshot = ZorbelSuite;

TEST_F(DesktopScreenshot, HoldsMainWindowUntilCaptured) {
  const auto& config = bench::Config();
  ASSERT_FALSE(config.readyFile.empty() || config.releaseFile.empty()) << "--ready-file and --release-file needed";
  // Wait until the main window and its controls have nothing left to paint.
  const auto painted = [] {
    if (GetUpdateRect(MainWindow(), nullptr, FALSE)) return false;
    for (HWND child : bench::ChildrenOf(MainWindow()))
      if (GetUpdateRect(child, nullptr, FALSE)) return false;
    return true;
  };
  EXPECT_TRUE(bench::PollUntil(painted, bench::milliseconds{5000})) << "the main window did not finish painting";
  std::ofstream(std::filesystem::path(config.readyFile)) << "ready\n";
  EXPECT_TRUE(bench::PollUntil([&] { return std::filesystem::exists(config.releaseFile); },
                               bench::milliseconds{60000}))
      << "the screenshot was not taken within 60 s";
}

}  // namespace
