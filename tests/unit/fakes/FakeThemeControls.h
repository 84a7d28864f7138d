#pragma once
// Window title, theme label and theme check marks as plain state.

#include <map>
#include <string>
#include <vector>

#include "platform/ThemeControls.h"

namespace zorbel::fakes {

class FakeThemeControls : public platform::ThemeControls {
public:
    void SetWindowTitle(std::string_view utf8Title) override { title = utf8Title; }
    void SetThemeLabel(std::string_view ansiTheme) override { themeLabel = ansiTheme; }
    void SetMenuChecked(platform::ThemeMenu entry, bool checked) override { checks[entry] = checked; }

    // The entries that show a check mark now.
    std::vector<platform::ThemeMenu> Checked() const {
        std::vector<platform::ThemeMenu> marked;
        for (const auto& [entry, checked] : checks)
            if (checked) marked.push_back(entry);
        return marked;
    }

    std::string title;
    std::string themeLabel;
    std::map<platform::ThemeMenu, bool> checks;
};

}  // namespace zorbel::fakes
