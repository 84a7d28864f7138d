#include "shell/ReceptionChromeView.h"

#include "shell/resource.h"

namespace zorbel::shell {
namespace {

// Top-level positions in the menu bar.
constexpr UINT kFileMenuPosition = 0;
constexpr UINT kHelpMenuPosition = 4;

UINT MenuState(bool enabled) { return enabled ? MF_ENABLED : MF_GRAYED; }

}  // namespace

void ReceptionChromeView::ShowChrome(const platform::ReceptionChrome& chrome) {
    recordButton_.SetCaption(chrome.utf8RecordCaption);
    fileToolbar_.SetEnabled(chrome.fileToolbarEnabled);
    formatToolbar_.SetEnabled(chrome.formatToolbarEnabled);
    HMENU menu = GetMenu(main_);
    EnableMenuItem(menu, kFileMenuPosition, MF_BYPOSITION | MenuState(chrome.fileAndHelpMenusEnabled));
    EnableMenuItem(menu, kHelpMenuPosition, MF_BYPOSITION | MenuState(chrome.fileAndHelpMenusEnabled));
    // A top-level entry's new state shows only once the menu bar is drawn again.
    DrawMenuBar(main_);
    rx_.SetLocked(chrome.rxLocked);
    EnableMenuItem(menu, IDM_RXKILL, MF_BYCOMMAND | MenuState(chrome.rxClearEnabled));
}

}  // namespace zorbel::shell
