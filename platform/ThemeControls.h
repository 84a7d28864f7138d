#pragma once
// What a word theme shows outside the word lists and the menu's check marks:
// the window title and the theme label.

#include <string_view>

namespace zorbel::platform {

class ThemeControls {
public:
    virtual ~ThemeControls() = default;
    // The main window's caption; UTF-8.
    virtual void SetWindowTitle(std::string_view utf8Title) = 0;
    // The theme label's text: the theme as stored; 8-bit ANSI.
    virtual void SetThemeLabel(std::string_view ansiTheme) = 0;
};

}  // namespace zorbel::platform
