#pragma once
// The decisions behind opening and saving the Rx window as a document: which
// format a file gets, where the file dialogs start, the proposed file name,
// and how a text file's bytes become text.

#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "platform/Locale.h"

namespace zorbel {

enum class RxFileFormat { Rtf, Text };

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

// Case-sensitive substring tests in the order "Wetter", "AFu", "alles";
// any other category starts in "C:\" with rich text.
DialogStart DialogStartFor(std::string_view category, const CategoryFolders& folders);

// A name ending in .txt or .rtf (any case) decides; otherwise the chosen filter does.
RxFileFormat FormatForFile(std::wstring_view wideFileName, int filterIndex);

// "Wetter " and the time as "dmmmyy-h nn": "Wetter 5Dez26-7 04". The month
// name is the locale's, whatever its script.
std::wstring ProposedFileName(const platform::DateTime& now, const platform::Locale& locale);

// A text file's bytes: UTF-16 with a byte-order mark (either order), UTF-8
// with a mark or without one when the bytes are valid UTF-8, code page 1252
// otherwise. The UTF-16 result keeps line ends as they were.
std::wstring DecodeTextFile(std::string_view bytes);

}  // namespace zorbel
