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
    bool CreateDirectories(std::wstring_view widePath) override {
        if (!canCreateFolders) return false;
        folders.emplace(widePath);
        return true;
    }
    // Like the real thing, a file can only be opened inside an existing folder.
    bool AppendBytes(std::wstring_view widePath, std::string_view bytes) override {
        const std::wstring path(widePath);
        if (!canWrite || folders.count(path.substr(0, path.rfind(L'\\'))) == 0) return false;
        files[path] += bytes;
        return true;
    }

    bool FolderExists(std::wstring_view widePath) const override { return folders.count(std::wstring(widePath)); }
    bool FileExists(std::wstring_view widePath) const override { return files.count(std::wstring(widePath)); }
    bool CreateFolder(std::wstring_view widePath) override { return CreateDirectories(widePath); }

    std::map<std::wstring, std::string> files;
    std::set<std::wstring> folders;
    bool canWrite = true;
    bool canCreateFolders = true;
};

}  // namespace zorbel::fakes
