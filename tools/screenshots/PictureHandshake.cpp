#include "PictureHandshake.h"

#include <filesystem>
#include <fstream>

#include "BenchConfig.h"
#include "Poll.h"

namespace bench {

bool HoldForPicture(HWND window) {
  const auto& config = Config();
  // Renamed into place, so that the script never reads it half written.
  const std::filesystem::path ready(config.readyFile), written(config.readyFile + L".part");
  {
    std::ofstream file(written);
    RECT outer{};
    if (window && GetWindowRect(window, &outer))
      file << outer.right - outer.left << 'x' << outer.bottom - outer.top << '+' << outer.left << '+' << outer.top;
    file << '\n';
  }
  std::filesystem::rename(written, ready);
  return PollUntil([&] { return std::filesystem::exists(config.releaseFile); }, milliseconds{60000});
}

}  // namespace bench
