#pragma once
// A settings store holding what the test put in.

#include <map>
#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace zorbel::fakes {

class FakeSettingsStore : public platform::SettingsStore {
public:
    std::optional<std::string> GetText(std::string_view utf8Key) const override {
        const auto it = values.find(std::string(utf8Key));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    std::map<std::string, std::string> values;
};

}  // namespace zorbel::fakes
