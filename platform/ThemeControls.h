#pragma once
// What a word theme shows outside the word lists: the window title, the
// theme label and the check marks of the theme menu entries.

#include <string_view>

namespace zorbel::platform {

enum class ThemeMenu {
    WetterOstsee,      // mnuWetterOstsee
    WetterNordsee,     // mnuWetterNordsee
    WetterAtlantik,    // mnuWetterAtlantik
    WetterMittelmeer,  // mnuWetterMittelmeer
    WetterAlle,        // mnuWetterAlle
    AFu,               // mnuAFu
    Alles,             // mnuAlles
};

class ThemeControls {
public:
    virtual ~ThemeControls() = default;
    // The main window's caption; UTF-8.
    virtual void SetWindowTitle(std::string_view utf8Title) = 0;
    // The caption of LabelTema: the theme as stored; 8-bit ANSI.
    virtual void SetThemeLabel(std::string_view ansiTheme) = 0;
    virtual void SetMenuChecked(ThemeMenu entry, bool checked) = 0;
};

}  // namespace zorbel::platform
