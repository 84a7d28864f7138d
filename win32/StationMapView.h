#pragma once
// The station map as a child window: the scene is made again when the size
// changes and painted through a bitmap, so it never flickers; the same
// picture can go into a PNG file. The mouse resting on a station shows its
// report, also for a station whose model found no room on the map.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "weather/SynopReport.h"
#include "weather/view/StationMap.h"
#include "win32/Tooltips.h"
#include "win32/Window.h"

namespace zorbel::win32 {

class StationMapView : public Window {
public:
    // `reports` must outlive the window.
    bool Create(HWND parent, int id, const std::vector<weather::SynopReport>& reports);
    // The map at the window's size; none on success, else why not (UTF-8).
    std::optional<std::string> SavePng(const std::wstring& widePath);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    SIZE ClientSize() const;
    const weather::MapScene& SceneFor(SIZE size);
    void ShowReportsOnHover();
    // A bitmap of `size` with the map painted on it.
    HBITMAP Render(HDC reference, SIZE size);

    const std::vector<weather::SynopReport>* reports_ = nullptr;
    weather::MapScene scene_;
    SIZE sceneSize_{-1, -1};
    int dpi_ = 96;
    Tooltips reportTips_;
    std::size_t tipAreas_ = 0;
};

}  // namespace zorbel::win32
