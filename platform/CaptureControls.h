#pragma once
// The main window's controls that reception start, end and the capture
// switches change.

#include <string_view>

namespace zorbel::platform {

class CaptureControls {
public:
    virtual ~CaptureControls() = default;
    // Caption of the record button Command2; UTF-8.
    virtual void SetRecordCaption(std::string_view utf8Caption) = 0;
    // Toolbar1 and Toolbar2 together.
    virtual void SetToolbarsEnabled(bool enabled) = 0;
    // Toolbar2 alone.
    virtual void SetToolbar2Enabled(bool enabled) = 0;
    // The menus mnuFile and mnuHelp.
    virtual void SetFileAndHelpMenusEnabled(bool enabled) = 0;
    // Locks the Rx window against the user's editing (true) or frees it.
    virtual void SetRxLocked(bool locked) = 0;
    // The menu entry mnuRxKill.
    virtual void SetRxKillEnabled(bool enabled) = 0;
    // Empties the Rx window.
    virtual void ClearRx() = 0;
    // Plain paragraph alignment for the selection, then this font (UTF-8 name) for the whole window.
    virtual void ResetRxFormat(std::string_view utf8FontName, int pointSize) = 0;
};

}  // namespace zorbel::platform
