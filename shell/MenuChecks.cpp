#include "shell/MenuChecks.h"

#include <algorithm>
#include <array>
#include <utility>

#include "shell/resource.h"

namespace zorbel::shell {
namespace {

using platform::MenuEntry;

constexpr std::array<std::pair<MenuEntry, UINT>, 9> kCommandIds{{
    {MenuEntry::WetterOstsee, IDM_WETTEROSTSEE},
    {MenuEntry::WetterNordsee, IDM_WETTERNORDSEE},
    {MenuEntry::WetterAtlantik, IDM_WETTERATLANTIK},
    {MenuEntry::WetterMittelmeer, IDM_WETTERMITTELMEER},
    {MenuEntry::WetterAlle, IDM_WETTERALLE},
    {MenuEntry::AFu, IDM_AFU},
    {MenuEntry::Alles, IDM_ALLES},
    {MenuEntry::EngineHidden, IDM_ENGINEAUS},
    {MenuEntry::AutoSave, IDM_AUTOMSPEICHERN},
}};

}  // namespace

void MenuCheckMarks::SetChecked(MenuEntry entry, bool checked) {
    const auto row = std::find_if(kCommandIds.begin(), kCommandIds.end(),
                                  [entry](const auto& candidate) { return candidate.first == entry; });
    CheckMenuItem(GetMenu(main_), row->second, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

std::optional<MenuEntry> CheckableEntryOf(int commandId) {
    const auto row = std::find_if(kCommandIds.begin(), kCommandIds.end(), [commandId](const auto& candidate) {
        return static_cast<int>(candidate.second) == commandId;
    });
    if (row == kCommandIds.end()) return std::nullopt;
    return row->first;
}

}  // namespace zorbel::shell
