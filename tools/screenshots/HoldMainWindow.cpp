// Not a check but a picture: run by take-screenshot.sh inside a Wine desktop
// window, it starts zorbel, says when the main window stands and has nothing
// left to paint, and keeps it up until the picture has been taken.
#include <cstdio>
#include <exception>

#include "BenchConfig.h"
#include "PictureHandshake.h"
#include "Poll.h"
#include "WindowQueries.h"
#include "ZorbelProcess.h"

int main(int argc, char** argv) {
  const std::string error = bench::ParseBenchConfig(argc, argv);
  const auto& config = bench::Config();
  if (!error.empty() || config.readyFile.empty() || config.releaseFile.empty()) {
    std::fprintf(stderr, "hold-main-window: %s\n", error.empty() ? "--ready-file and --release-file needed" : error.c_str());
    return 2;
  }
  try {
    const bench::ZorbelProcess zorbel(L"MainWindowScreenshot");
    if (!bench::PollUntil([&] { return bench::NothingLeftToPaint(zorbel.mainWindow()); }, bench::milliseconds{5000}))
      std::fprintf(stderr, "hold-main-window: the main window did not finish painting\n");
    if (!bench::HoldForPicture(nullptr)) {
      std::fprintf(stderr, "hold-main-window: the picture was not taken within 60 s\n");
      return 1;
    }
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "hold-main-window: %s\n", failure.what());
    return 1;
  }
}
