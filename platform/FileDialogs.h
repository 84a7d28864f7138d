#pragma once
// The common open and save dialogs for Rx window documents. Paths are UTF-16.

#include <optional>
#include <string>

namespace zorbel::platform {

struct ChosenFile {
    std::wstring widePath;
    int filterIndex = 1;  // 1 rich text, 2 plain text
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Nothing when the user cancels.
    virtual std::optional<ChosenFile> AskOpenPath(const std::wstring& wideStartFolder, int filterIndex) = 0;
    virtual std::optional<ChosenFile> AskSavePath(const std::wstring& wideStartFolder, int filterIndex,
                                                  const std::wstring& wideProposedName) = 0;
};

}  // namespace zorbel::platform
