// Soak benchmark: zorbel.exe receives a long transmission from the stand-in
// engine as fast as it takes it, with its main window visible. Prints the
// characters per second from the feed request until the Rx window holds
// everything, beside the rate of a bare receiver fed the same way in the
// same run, and fails only when a character is lost or altered.
//
//   soak_reception.exe [kilobytes] --zorbel-exe=... --probe-dll=... --standin-exe=... --work-root=...
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "BareReceiver.h"
#include "BenchConfig.h"
#include "Poll.h"
#include "RemoteText.h"
#include "shell/resource.h"
#include "StandInEngine.h"
#include "WindowQueries.h"
#include "ZorbelProcess.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kDefaultKilobytes = 1024;
constexpr bench::milliseconds kStartBound{15000};
constexpr bench::milliseconds kReceiveBound{900000};

// Sea-weather text as the engine decodes it: no stop word (NNNN, RYRYRY,
// ZCZC), so reception keeps writing from its first line to the last.
const char* const kBulletinLines[] = {
    "SEEWETTERBERICHT FUER NORD- UND OSTSEE",
    "VON DEUTSCHER WETTERDIENST HAMBURG",
    "WETTERLAGE: TIEF 978 SUEDNORWEGEN, ZIEHT LANGSAM OSTWAERTS, VERTIEFT SICH",
    "WENIG. HOCH 1031 AZOREN, WEITGEHEND ORTSFEST.",
    "VORHERSAGEN GUELTIG BIS MORGEN 06 UTC:",
    "WESTLICHE OSTSEE:",
    "WEST BIS SUEDWEST 5 BIS 6, SPAETER NORDWEST 6, SEE 2 METER.",
    "SUEDLICHE OSTSEE:",
    "SUEDWEST 5, ZEITWEISE 6, STRICHWEISE REGEN, SEE 1,5 METER.",
    "BOTTENWIEK: NORDWEST 4 BIS 5, SCHNEESCHAUER, SICHT MAESSIG.",
    "10381 11/75 72502 10032 20016 30083 40125 52008 70272 8457/",
    "",
};

std::string FeedText(std::size_t bytes) {
  std::string text = "FQEN71 EDZW 060600\n";
  for (std::size_t line = 0; text.size() < bytes; ++line)
    text += std::string(kBulletinLines[line % std::size(kBulletinLines)]) + "\n";
  return text;
}

// What the Rx window holds of it: a paragraph mark for every line feed.
std::wstring AsRxText(const std::string& feed) {
  std::wstring text(feed.begin(), feed.end());
  for (auto& c : text)
    if (c == L'\n') c = L'\r';
  return text;
}

int Fail(const char* what) {
  std::fprintf(stderr, "soak_reception: %s\n", what);
  return 1;
}

int Run(int argc, char** argv) {
  std::size_t kilobytes = kDefaultKilobytes;
  if (argc > 1 && argv[1][0] != '-') {
    kilobytes = std::strtoul(argv[1], nullptr, 10);
    --argc;
    ++argv;
  }
  if (const std::string error = bench::ParseBenchConfig(argc, argv); !error.empty()) return Fail(error.c_str());

  const std::string feed = FeedText(kilobytes * 1024);
  const auto bareSeconds = soak::TimeBareReceiver(bench::Config().workRoot + L"\\SoakBare", feed, kReceiveBound);
  if (!bareSeconds) return Fail("the bare receiver did not receive everything within 15 minutes");
  bench::ZorbelProcess zorbel(L"Soak", [&](const std::wstring& folder) {
    bench::WriteFileBytes(folder + L"\\feed.txt", feed);
    bench::PlaceStandInEngine(folder, L"--fast --feed-on-request --feed \"%~dp0feed.txt\"");
  });
  const bench::StandInLog log(zorbel.workingFolder() + L"\\" + bench::kStandInLogName);
  if (!log.WaitForPrefix("command 0 ", kStartBound)) return Fail("the stand-in engine got no handshake");

  const HWND rx = bench::Control(zorbel.mainWindow(), IDC_RX_WINDOW);
  const HWND record = bench::Control(zorbel.mainWindow(), IDC_RECORD_BUTTON);
  PostMessageW(zorbel.mainWindow(), WM_COMMAND, MAKEWPARAM(IDC_RECORD_BUTTON, BN_CLICKED),
               reinterpret_cast<LPARAM>(record));
  if (!bench::PollUntil([&] { return bench::WindowText(record) == L"&Stop"; }, kStartBound))
    return Fail("reception did not start");
  const std::wstring beginLine = bench::RichEditText(zorbel.process(), rx);
  const std::wstring expected = beginLine + AsRxText(feed);

  const auto start = Clock::now();
  if (!bench::RequestStandInFeed()) return Fail("the stand-in engine's window is missing");
  std::optional<Clock::time_point> fed;
  const bool complete = bench::PollUntil(
      [&] {
        if (!fed && log.WaitForPrefix("feed done", bench::milliseconds{0})) fed = Clock::now();
        // A busy zorbel may not answer within the driver's bound: look again.
        try {
          return bench::RichEditTextLength(zorbel.process(), rx) >= static_cast<long>(expected.size());
        } catch (const std::runtime_error&) {
          return false;
        }
      },
      kReceiveBound);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!complete) return Fail("the Rx window did not receive everything within 15 minutes");

  const std::wstring received = bench::RichEditText(zorbel.process(), rx);
  const double receiveRate = static_cast<double>(feed.size()) / seconds;
  const double bareRate = static_cast<double>(feed.size()) / *bareSeconds;
  std::printf("received %zu characters in %.1f s: %.0f characters/s (engine done after %.1f s)\n", feed.size(),
              seconds, receiveRate, fed ? std::chrono::duration<double>(*fed - start).count() : seconds);
  if (received != expected) return Fail("the Rx window does not hold exactly what was sent");
  std::printf("receive path: %.0f characters/s, bare message loop: %.0f characters/s, ratio %.2f\n", receiveRate,
              bareRate, receiveRate / bareRate);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
}
