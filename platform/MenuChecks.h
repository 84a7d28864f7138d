#pragma once
// The check marks of the menu entries that carry one.

namespace zorbel::platform {

// The seven theme entries come first, in the order of the theme presets.
enum class MenuEntry {
    WetterOstsee,
    WetterNordsee,
    WetterAtlantik,
    WetterMittelmeer,
    WetterAlle,
    AFu,
    Alles,
    EngineHidden,  // "Engine &unsichtbar"
    AutoSave,      // "&automatisch  speichern"
};

class MenuChecks {
public:
    virtual ~MenuChecks() = default;
    virtual void SetChecked(MenuEntry entry, bool checked) = 0;
};

}  // namespace zorbel::platform
