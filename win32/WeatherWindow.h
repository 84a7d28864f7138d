#pragma once
// "Wetter lesen": the decoded reports of a Synop file or a selection, as a
// table (sortable by any column) and as a station map, one tab each, with
// the table exported as CSV and the map saved as PNG.

#include <windows.h>

#include <string>
#include <vector>

#include "weather/SynopReport.h"
#include "weather/view/ReportTable.h"
#include "win32/ControlNotifications.h"
#include "win32/Handles.h"
#include "win32/ReportList.h"
#include "win32/StationMapView.h"
#include "win32/TabStrip.h"
#include "win32/Window.h"

namespace zorbel::win32 {

class WeatherWindow : public Window {
public:
    // `wideSource` names where the reports came from (a file name); files are
    // saved into `wideSaveFolder` unless the user goes elsewhere.
    WeatherWindow(std::vector<weather::SynopReport> reports, std::wstring wideSource, std::wstring wideSaveFolder);
    // Shows the window, owned by `owner`.
    bool Create(HWND owner);
    bool IsOpen() const { return hwnd_ != nullptr; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    void OnSize();
    void OnCommand(int id);
    void ExportCsv();
    void SaveMap();
    std::wstring AskSavePath(const wchar_t* title, std::wstring_view barFilter, const wchar_t* extension);
    void ShowFailure(const std::string& utf8Text);

    std::vector<weather::SynopReport> reports_;
    weather::ReportTable table_;
    std::wstring source_;
    std::wstring saveFolder_;
    FontHandle font_;
    TabStrip tabs_;
    ReportList list_;
    StationMapView map_;
    ControlNotifications controlNotifications_;
};

}  // namespace zorbel::win32
