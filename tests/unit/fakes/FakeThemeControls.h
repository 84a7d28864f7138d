#pragma once
// Window title and theme label as plain state, and the menu's check marks.

#include <map>
#include <string>
#include <vector>

#include "platform/MenuChecks.h"
#include "platform/ThemeControls.h"

namespace zorbel::fakes {

class FakeThemeControls : public platform::ThemeControls {
public:
    void SetWindowTitle(std::string_view utf8Title) override { title = utf8Title; }
    void SetThemeLabel(std::string_view ansiTheme) override { themeLabel = ansiTheme; }

    std::string title;
    std::string themeLabel;
};

class FakeMenuChecks : public platform::MenuChecks {
public:
    void SetChecked(platform::MenuEntry entry, bool isChecked) override {
        checks[entry] = isChecked;
    }

    // The entries that show a check mark now.
    std::vector<platform::MenuEntry> Checked() const {
        std::vector<platform::MenuEntry> marked;
        for (const auto& [entry, isChecked] : checks)
            if (isChecked) marked.push_back(entry);
        return marked;
    }

    std::map<platform::MenuEntry, bool> checks;
};

}  // namespace zorbel::fakes
