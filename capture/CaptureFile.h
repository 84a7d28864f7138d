#pragma once
// The capture file of automatic saving: named from the bulletin's header
// date in the capture folder, one received line appended at a time.

#include <string>
#include <string_view>

#include "capture/HeaderDate.h"
#include "config/CaptureSettings.h"
#include "platform/Files.h"

namespace zorbel {

// A received line ends with one CR LF in the file (its own line feed dropped); a
// chunk of a long line ends with nothing.
enum class LineEnd { Add, None };

struct CaptureFileStart {
    std::wstring fileDate;  // file form of the header date, e.g. "05Dez2026-1200"
    bool written;           // the header line reached the file
};

class CaptureFile {
public:
    CaptureFile(platform::Files& files, const HeaderDate& headerDate, const CaptureSettings& settings);

    // Names the file "Synop<file date>.txt" in the capture folder, keeps it
    // as the capture file and writes the header line as its (next) line.
    CaptureFileStart Start(std::string_view headerLine);

    // Appends text, and CR LF if asked, to the capture file (8-bit bytes as
    // given), creating the file and its folder when missing. False when the
    // text could not be written.
    bool Append(std::string_view text, LineEnd lineEnd);

    // False when the capture folder is missing (appending makes it when it can).
    bool CaptureFolderExists() const { return files_.FolderExists(settings_.wideCaptureFolder); }

private:
    platform::Files& files_;
    const HeaderDate& headerDate_;
    const CaptureSettings& settings_;
    std::wstring widePath_;
};

}  // namespace zorbel
