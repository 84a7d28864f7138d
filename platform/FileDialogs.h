#pragma once
// The common open and save dialogs for Rx window documents. Paths are UTF-16.

#include <string>
#include <variant>

namespace zorbel::platform {

struct ChosenFile {
    std::wstring widePath;
    int filterIndex = 1;  // 1 rich text, 2 plain text
};

// The user closed the dialog without choosing.
struct DialogCancelled {};

// The dialog could not be shown (a name it refused, too little memory); the
// reason as UTF-8 text.
struct DialogFailure {
    std::string utf8Reason;
};

// Cancelled first, so that an answer not yet given chooses nothing.
using FileChoice = std::variant<DialogCancelled, ChosenFile, DialogFailure>;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual FileChoice AskOpenPath(const std::wstring& wideStartFolder, int filterIndex) = 0;
    virtual FileChoice AskSavePath(const std::wstring& wideStartFolder, int filterIndex,
                                   const std::wstring& wideProposedName) = 0;
};

}  // namespace zorbel::platform
