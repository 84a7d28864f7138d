#pragma once
// The storage folders (weather reports, amateur radio, other files, NAVTEX) and
// how the user sets one up through the folder chooser: a folder of a similar
// name on the path is refused, an existing one adopted, a new one created.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/FolderShell.h"
#include "platform/FolderChooser.h"

namespace zorbel {

enum class StorageFolder { Weather, AmateurRadio, OtherFiles, Navtex };

class StorageFolders {
public:
    StorageFolders(platform::Files& files, platform::FolderChooser& chooser, platform::Dialogs& dialogs);

    // At start-up, with the stored paths: a weather folder that is missing
    // gives way to the default folder and the user is asked where to create
    // one; the folder chosen then also takes the place of the default in the others.
    // The NAVTEX folder never set lies beside the weather folder.
    void Restore(std::wstring_view wideWeather, std::wstring_view wideAmateurRadio, std::wstring_view wideOtherFiles,
                 std::wstring_view wideNavtex, std::wstring_view wideDefaultFolder);

    // The chooser for one folder, with its proposed name; the folder changes only when the user confirms.
    void SetUp(StorageFolder folder);
    // The folder in the file manager; made first when it is missing (saving would make it anyway), and a box
    // saying why when it cannot be made or shown.
    void Show(StorageFolder folder, platform::FolderShell& shell);

    const std::wstring& Path(StorageFolder folder) const { return paths_[Index(folder)]; }
    // What goes back into the store: a weather folder missing at start-up (an
    // unplugged drive) keeps its stored path unless the user chose another one.
    const std::wstring& PathToStore(StorageFolder folder) const;

private:
    static std::size_t Index(StorageFolder folder) { return static_cast<std::size_t>(folder); }
    void Assign(StorageFolder folder, std::wstring widePath);
    void RestoreMissingWeather(std::wstring_view wideDefaultFolder);

    platform::Files& files_;
    platform::FolderChooser& chooser_;
    platform::Dialogs& dialogs_;
    std::array<std::wstring, 4> paths_;
    std::optional<std::wstring> missingWeatherFolder_;
};

}  // namespace zorbel
