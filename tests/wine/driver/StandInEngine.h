// The stand-in engine (mmtty_standin.exe) playing MMTTY for zorbel: placed
// in zorbel's working folder as mmtty.bat, so zorbel starts it as it would
// start MMTTY, and read back through the log it writes.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace bench {

inline constexpr wchar_t kStandInLogName[] = L"standin.log";
// What zorbel passed to mmtty.bat, as the batch file echoes it.
inline constexpr wchar_t kEngineArgumentsName[] = L"arguments.txt";

// How mmtty.bat starts the stand-in: as a call that lasts while the
// stand-in runs, or with "start" so that the batch file returns at once.
enum class StandInStart { Call, ReturnAtOnce };

// Copies the stand-in into `folder` and writes an mmtty.bat that starts it
// with zorbel's arguments, its log in the folder and `options`
// (e.g. L"--fast --feed-on-request --feed \"%~dp0feed.txt\"").
void PlaceStandInEngine(const std::wstring& folder, const std::wstring& options,
                        StandInStart start = StandInStart::Call);

// Writes `bytes` unchanged (a feed file, say).
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const std::wstring& path);

// Asks the running stand-in to start its feed (with --feed-on-request).
// False when its window is not there.
bool RequestStandInFeed();

class StandInLog {
 public:
  explicit StandInLog(std::wstring path) : path_(std::move(path)) {}

  std::vector<std::string> Lines() const;
  // Waits (bounded) until the log holds `line` at or after position `from`;
  // returns its position.
  std::optional<std::size_t> WaitForLine(const std::string& line, std::chrono::milliseconds bound,
                                         std::size_t from = 0) const;
  // Waits (bounded) for a line starting with `prefix`; returns the line.
  std::optional<std::string> WaitForPrefix(const std::string& prefix, std::chrono::milliseconds bound) const;
  // The whole log, for failure messages.
  std::string Text() const;

 private:
  std::wstring path_;
};

}  // namespace bench
