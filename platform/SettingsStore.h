#pragma once
// The per-user settings store, section "Settings" of the program.

#include <optional>
#include <string>
#include <string_view>

namespace zorbel::platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text of a key (UTF-8 key, 8-bit ANSI value); nothing when the key is missing.
    virtual std::optional<std::string> GetText(std::string_view utf8Key) const = 0;
};

}  // namespace zorbel::platform
