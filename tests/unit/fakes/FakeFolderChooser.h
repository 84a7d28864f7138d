#pragma once
// A folder chooser that gives its answers in order (cancel when none is left)
// and remembers where it opened.

#include <optional>
#include <string>
#include <vector>

#include "platform/FolderChooser.h"

namespace zorbel::fakes {

class FakeFolderChooser : public platform::FolderChooser {
public:
    std::optional<platform::FolderChoice> Choose(std::wstring_view wideStartFolder,
                                                 std::wstring_view proposedName) override {
        opened.push_back({std::wstring(wideStartFolder), std::wstring(proposedName)});
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    std::vector<std::optional<platform::FolderChoice>> answers;
    std::vector<platform::FolderChoice> opened;  // start folder and proposed name of each showing
};

}  // namespace zorbel::fakes
