#pragma once
// The per-user settings store, section "Settings" of the program. Keys and
// values are UTF-16 text ("FHöhe" has an umlaut in its key).

#include <optional>
#include <string>
#include <string_view>

namespace zorbel::platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text of a key; nothing when the key is missing or holds no text.
    virtual std::optional<std::wstring> GetText(std::wstring_view wideKey) const = 0;
    // Stores the text, creating the section and key as needed.
    virtual void SetText(std::wstring_view wideKey, std::wstring_view wideValue) = 0;
};

}  // namespace zorbel::platform
