#pragma once
// The controls reception changes, as plain state with every change written to a call log.

#include <string>

#include "fakes/CallLog.h"
#include "platform/CaptureControls.h"

namespace zorbel::fakes {

inline std::string OnOff(bool value) { return value ? "1" : "0"; }

class FakeCaptureControls : public platform::CaptureControls {
public:
    explicit FakeCaptureControls(CallLog& log) : log_(log) {}

    void SetRecordCaption(std::string_view utf8Caption) override {
        recordCaption = utf8Caption;
        log_.Add("caption:" + recordCaption);
    }
    void SetToolbarsEnabled(bool enabled) override {
        toolbar1Enabled = toolbar2Enabled = enabled;
        log_.Add("toolbars:" + OnOff(enabled));
    }
    void SetToolbar2Enabled(bool enabled) override {
        toolbar2Enabled = enabled;
        log_.Add("toolbar2:" + OnOff(enabled));
    }
    void SetFileAndHelpMenusEnabled(bool enabled) override {
        fileAndHelpEnabled = enabled;
        log_.Add("fileHelp:" + OnOff(enabled));
    }
    void SetRxLocked(bool locked) override {
        rxLocked = locked;
        log_.Add("rxLocked:" + OnOff(locked));
    }
    void SetRxKillEnabled(bool enabled) override {
        rxKillEnabled = enabled;
        log_.Add("rxKill:" + OnOff(enabled));
    }
    void ClearRx() override { log_.Add("clearRx"); }
    void ResetRxFormat(std::string_view utf8FontName, int pointSize) override {
        log_.Add("resetFormat:" + std::string(utf8FontName) + "/" + std::to_string(pointSize));
    }

    std::string recordCaption;
    bool toolbar1Enabled = true;
    bool toolbar2Enabled = true;
    bool fileAndHelpEnabled = true;
    bool rxLocked = false;
    bool rxKillEnabled = true;

private:
    CallLog& log_;
};

}  // namespace zorbel::fakes
