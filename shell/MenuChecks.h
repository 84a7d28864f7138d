#pragma once
// The check marks of the main window's menu, entry by entry.

#include <windows.h>

#include <optional>

#include "platform/MenuChecks.h"

namespace zorbel::shell {

class MenuCheckMarks : public platform::MenuChecks {
public:
    void Attach(HWND mainWindow) { main_ = mainWindow; }
    void SetChecked(platform::MenuEntry entry, bool checked) override;

private:
    HWND main_ = nullptr;
};

// The checkable entry behind a menu command, if it has one.
std::optional<platform::MenuEntry> CheckableEntryOf(int commandId);

}  // namespace zorbel::shell
