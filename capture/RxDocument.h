#pragma once
// The decisions behind opening and saving the Rx window as a document: which
// format a file gets, where the file dialogs start, the proposed file name,
// how a text file's bytes become text and text a file's bytes, and the largest
// file the window opens.

#include <cstdint>
#include <string>
#include <string_view>

#include "config/CaptureSettings.h"
#include "platform/Clock.h"
#include "platform/Locale.h"

namespace zorbel {

enum class RxFileFormat { Rtf, Text };

inline constexpr std::uint64_t kBytesPerMegabyte = 1000 * 1000;
// The largest file the Rx window opens. 20 MB is what it is measured to hold
// while receiving; a file of several hundred megabytes, with its UTF-16 copy
// twice that size, could take all the memory and minutes to show.
inline constexpr std::uint64_t kLargestDocumentBytes = 20 * kBytesPerMegabyte;

// Filter index 1 of both dialogs is rich text, 2 plain text.
inline constexpr int kRtfFilterIndex = 1;
inline constexpr int kTextFilterIndex = 2;

// The folders a capture category starts the dialogs in (UTF-16 paths).
struct CategoryFolders {
    std::wstring weather;
    std::wstring amateurRadio;
    std::wstring otherFiles;
};

struct DialogStart {
    std::wstring folder;
    int filterIndex = kRtfFilterIndex;
    bool operator==(const DialogStart&) const = default;
};

// Before any theme the dialogs start in "C:\" with rich text.
DialogStart DialogStartFor(CaptureCategory category, const CategoryFolders& folders);

// A name ending in .txt or .rtf (any case) decides; otherwise the chosen filter does.
RxFileFormat FormatForFile(std::wstring_view wideFileName, int filterIndex);

// "Wetter " and the time as "dmmmyy-h nn": "Wetter 5Dez26-7 04". The month
// name is the locale's, whatever its script.
std::wstring ProposedFileName(const platform::DateTime& now, const platform::Locale& locale);

// A text file's bytes: UTF-16 with a byte-order mark (either order), UTF-8
// with a mark or without one when the bytes are valid UTF-8, code page 1252
// otherwise. The UTF-16 result keeps line ends as they were; a UTF-16 file's
// odd last byte becomes U+FFFD.
std::wstring DecodeTextFile(std::string_view bytes);

enum class TextFileEncoding { Cp1252, Utf8WithMark };

struct TextFileBytes {
    std::string bytes;
    TextFileEncoding encoding;
};

// Code page 1252 when every character has its byte there, as earlier versions
// wrote and other programs expect; otherwise UTF-8 with a byte-order mark,
// which DecodeTextFile reads back.
TextFileBytes EncodeTextFile(std::wstring_view wideText);

}  // namespace zorbel
