#include "zorbel-engine/win32/ChartFolder.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <memory>

namespace zorbel::engine_side {
namespace {

template <class Interface>
struct Released {
    void operator()(Interface* object) const { object->Release(); }
};
template <class Interface>
using ComPointer = std::unique_ptr<Interface, Released<Interface>>;

// The dialog is a COM object of the shell: the thread joins a single-threaded apartment while it stands.
class ComApartment {
public:
    ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (joined_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool joined_;
};

}  // namespace

std::wstring ChartFolder(const EngineSettings& settings) {
    if (!settings.chartFolder.empty()) return settings.chartFolder;
    wchar_t documents[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents))) return L"Wetterkarten";
    return std::wstring(documents) + L"\\Wetterkarten";
}

std::optional<std::wstring> AskChartFolder(HWND owner, const std::wstring& wideStart) {
    const ComApartment apartment;
    IFileOpenDialog* created = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&created))))
        return std::nullopt;
    const ComPointer<IFileOpenDialog> dialog(created);
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM);
    dialog->SetTitle(L"Ordner für die Wetterkarten");
    IShellItem* start = nullptr;
    if (SUCCEEDED(SHCreateItemFromParsingName(wideStart.c_str(), nullptr, IID_PPV_ARGS(&start)))) {
        dialog->SetFolder(start);
        start->Release();
    }
    if (FAILED(dialog->Show(owner))) return std::nullopt;
    IShellItem* chosen = nullptr;
    if (FAILED(dialog->GetResult(&chosen))) return std::nullopt;
    const ComPointer<IShellItem> item(chosen);
    wchar_t* path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) return std::nullopt;
    std::wstring folder(path);
    CoTaskMemFree(path);
    return folder;
}

}  // namespace zorbel::engine_side
