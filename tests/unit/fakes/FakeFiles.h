#pragma once
// An in-memory file system that keeps every file's bytes and can be made to refuse writes
// and new folders.

#include <map>
#include <set>
#include <string>

#include "platform/Files.h"

namespace zorbel::fakes {

class FakeFiles : public platform::Files {
public:
    bool Exists(std::string_view ansiPath) const override {
        const std::string path(ansiPath);
        return folders.count(path) > 0 || files.count(path) > 0;
    }
    bool CreateDirectories(std::string_view ansiPath) override {
        if (!canCreateFolders) return false;
        folders.insert(std::string(ansiPath));
        return true;
    }
    // Like the real thing, a file can only be opened inside an existing folder.
    bool AppendBytes(std::string_view ansiPath, std::string_view bytes) override {
        const std::string path(ansiPath);
        const auto folder = path.substr(0, path.rfind('\\'));
        if (!canWrite || folders.count(folder) == 0) return false;
        files[path] += bytes;
        return true;
    }

    bool FolderExists(std::wstring_view widePath) const override { return wideFolders.count(std::wstring(widePath)); }
    bool FileExists(std::wstring_view widePath) const override { return wideFiles.count(std::wstring(widePath)); }
    bool CreateFolder(std::wstring_view widePath) override {
        if (!canCreateFolders) return false;
        wideFolders.emplace(widePath);
        return true;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::wstring> wideFolders;
    std::set<std::wstring> wideFiles;
    bool canWrite = true;
    bool canCreateFolders = true;
};

}  // namespace zorbel::fakes
