#pragma once
// "Wetter &lesen…": the Rx window's selection when there is one (with the
// AAXX or BBXX line above it that it may lack), else a saved Synop file
// chosen in the folder where automatic saving puts them, decoded
// and shown in a weather window of its own; or the message that no report
// is in it.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "win32/RxWindow.h"
#include "win32/WeatherWindow.h"

namespace zorbel::shell {

class WeatherReading {
public:
    WeatherReading(const win32::RxWindow& rx, platform::Dialogs& dialogs) : rx_(rx), dialogs_(dialogs) {}
    void Open(HWND owner, const std::wstring& wideSynopFolder);

private:
    // The Rx window's selection, with the AAXX or BBXX line above it when it holds only report lines.
    std::string SelectionWithItsSection() const;
    void Show(HWND owner, std::string_view cp1252Text, const std::wstring& wideSource,
              const std::wstring& wideSynopFolder);

    const win32::RxWindow& rx_;
    platform::Dialogs& dialogs_;
    std::vector<std::unique_ptr<win32::WeatherWindow>> windows_;
};

}  // namespace zorbel::shell
