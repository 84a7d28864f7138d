#include "win32/ScreenAreas.h"

#include <windows.h>

namespace zorbel::win32 {

std::vector<ScreenArea> WorkAreasInTwips(const Twips& twips) {
    struct Search {
        const Twips& twips;
        std::vector<ScreenArea> areas;
    } search{twips, {}};
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            MONITORINFO info{};
            info.cbSize = sizeof(info);
            if (!GetMonitorInfoW(monitor, &info)) return TRUE;
            const RECT& work = info.rcWork;
            const ScreenArea area{s.twips.ToTwipsX(work.left), s.twips.ToTwipsY(work.top),
                                  s.twips.ToTwipsX(work.right), s.twips.ToTwipsY(work.bottom)};
            if (info.dwFlags & MONITORINFOF_PRIMARY)
                s.areas.insert(s.areas.begin(), area);
            else
                s.areas.push_back(area);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.areas;
}

}  // namespace zorbel::win32
