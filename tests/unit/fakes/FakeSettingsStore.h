#pragma once
// A settings store holding what the test put in; it remembers the order of writes.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"

namespace zorbel::fakes {

class FakeSettingsStore : public platform::SettingsStore {
public:
    std::optional<std::wstring> GetText(std::wstring_view wideKey) const override {
        const auto it = values.find(std::wstring(wideKey));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    void SetText(std::wstring_view wideKey, std::wstring_view wideValue) override {
        values[std::wstring(wideKey)] = wideValue;
        writtenKeys.emplace_back(wideKey);
    }
    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> writtenKeys;
};

}  // namespace zorbel::fakes
