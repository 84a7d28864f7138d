#pragma once
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\ZORBEL\Settings:
// where the settings of earlier versions already live.

#include "platform/SettingsStore.h"

namespace zorbel::win32 {

class RegistrySettingsStore : public platform::SettingsStore {
public:
    std::optional<std::string> GetText(std::string_view utf8Key) const override;
};

}  // namespace zorbel::win32
