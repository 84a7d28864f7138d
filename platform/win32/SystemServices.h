#pragma once
// Message boxes, files, memory figures and the per-user settings store.

#include <windows.h>

#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/MemoryStatus.h"
#include "platform/SettingsStore.h"

namespace zorbel::win32 {

class MessageBoxes : public platform::Dialogs {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) override;
    void ShowMessage(platform::MessageIcon icon, std::string_view utf8Prompt, std::string_view utf8Title) override;
    platform::ErrorAnswer AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) override;

private:
    HWND owner_ = nullptr;
};

class WindowsFiles : public platform::Files {
public:
    bool Exists(std::string_view ansiPath) const override;
    bool CreateDirectories(std::string_view ansiPath) override;
    bool AppendBytes(std::string_view ansiPath, std::string_view bytes) override;
    bool FolderExists(std::wstring_view widePath) const override;
    bool FileExists(std::wstring_view widePath) const override;
    bool CreateFolder(std::wstring_view widePath) override;
};

class SystemMemoryStatus : public platform::MemoryStatus {
public:
    platform::MemoryFigures Query() const override;
};

// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\ZORBEL\Settings:
// where the settings of earlier versions already live.
class RegistrySettingsStore : public platform::SettingsStore {
public:
    std::optional<std::wstring> GetText(std::wstring_view wideKey) const override;
    void SetText(std::wstring_view wideKey, std::wstring_view wideValue) override;
};

}  // namespace zorbel::win32
