#pragma once
// In-memory stand-ins for what surrounds the program: clock and German locale, memory figures, settings, files, the
// folder chooser and the engine hook; and one ordered log of the calls several fakes receive, for tests of sequences.

#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/Clock.h"
#include "platform/EngineHook.h"
#include "platform/EngineProgram.h"
#include "platform/DocumentFiles.h"
#include "platform/Files.h"
#include "platform/FolderChooser.h"
#include "platform/FolderShell.h"
#include "platform/Locale.h"
#include "platform/MemoryStatus.h"
#include "platform/SettingsStore.h"

namespace zorbel::fakes {

struct CallLog {
    std::vector<std::string> calls;
    void Add(std::string call) { calls.push_back(std::move(call)); }
};

// The first of the answers a test queued, or `whenNoneIsLeft`.
template <class Answer>
Answer TakeNext(std::vector<Answer>& answers, Answer whenNoneIsLeft) {
    if (answers.empty()) return whenNoneIsLeft;
    const Answer answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

// Stands still where the test puts it.
class FakeClock : public platform::Clock {
public:
    platform::DateTime LocalNow() const override { return local; }
    platform::DateTime UtcNow() const override { return utc; }

    // Local time one hour ahead of UTC, as in a German winter.
    void SetUtc(platform::DateTime when) {
        utc = when;
        local = when;
        local.hour += 1;
    }

    platform::DateTime local{2026, 12, 5, 13, 3, 10};
    platform::DateTime utc{2026, 12, 5, 12, 3, 10};
};

class FakeGermanLocale : public platform::Locale {
public:
    std::string GeneralDateTimeText(const platform::DateTime& when) const override {
        char text[32];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", when.day, when.month, when.year, when.hour,
                      when.minute, when.second);
        return text;
    }
    std::string DateSeparator() const override { return "."; }
    std::string TimeSeparator() const override { return ":"; }
    std::wstring AbbreviatedMonthName(int month) const override {
        return monthNames.at(static_cast<std::size_t>(month - 1));
    }
    std::string ThousandsSeparator() const override { return "."; }

    // A test may give other scripts' names.
    std::array<std::wstring, 12> monthNames{L"Jan", L"Feb", L"Mrz", L"Apr", L"Mai", L"Jun",
                                            L"Jul", L"Aug", L"Sep", L"Okt", L"Nov", L"Dez"};
};

class FakeMemoryStatus : public platform::MemoryStatus {
public:
    platform::MemoryFigures Query() const override { return figures; }
    platform::MemoryFigures figures;
};

// Remembers the order of writes.
class FakeSettingsStore : public platform::SettingsStore {
public:
    std::optional<std::wstring> GetText(std::wstring_view wideKey) const override {
        const auto it = values.find(std::wstring(wideKey));
        return it == values.end() ? std::nullopt : std::optional(it->second);
    }
    void SetText(std::wstring_view wideKey, std::wstring_view wideValue) override {
        values[std::wstring(wideKey)] = wideValue;
        writtenKeys.emplace_back(wideKey);
    }
    std::map<std::wstring, std::wstring> values;
    std::vector<std::wstring> writtenKeys;
};

// Keeps every file's bytes; can be made to refuse writes and new folders.
class FakeFiles : public platform::Files {
public:
    bool CreateDirectories(std::wstring_view widePath) override {
        if (!canCreateFolders || files.count(std::wstring(widePath))) return false;
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

// Whole files in the same fake file system; a write needs its folder, as a real one does.
class FakeDocumentFiles : public platform::DocumentFiles {
public:
    explicit FakeDocumentFiles(FakeFiles& files) : files_(files) {}
    std::variant<std::string, platform::FileFailure, platform::FileTooLarge> ReadAll(const std::wstring& widePath,
                                                                                     std::uint64_t maxBytes) override {
        const auto found = files_.files.find(widePath);
        if (found == files_.files.end()) return platform::FileFailure{"Datei nicht gefunden."};
        if (found->second.size() > maxBytes) return platform::FileTooLarge{found->second.size()};
        return found->second;
    }
    std::optional<platform::FileFailure> WriteReplacing(const std::wstring& widePath, std::string_view bytes) override {
        if (!files_.canWrite || !files_.folders.count(widePath.substr(0, widePath.rfind(L'\\'))))
            return platform::FileFailure{"Zugriff verweigert."};
        files_.files[widePath] = bytes;
        return std::nullopt;
    }

private:
    FakeFiles& files_;
};

// Gives its answers in order (cancel when none is left) and remembers where it opened.
class FakeFolderChooser : public platform::FolderChooser {
public:
    std::optional<platform::FolderChoice> Choose(std::wstring_view wideStartFolder,
                                                 std::wstring_view proposedName, std::wstring_view nameTip) override {
        opened.push_back({std::wstring(wideStartFolder), std::wstring(proposedName)});
        tips.emplace_back(nameTip);
        return TakeNext(answers, {});
    }

    std::vector<std::optional<platform::FolderChoice>> answers;
    std::vector<platform::FolderChoice> opened;  // start folder and proposed name of each showing
    std::vector<std::wstring> tips;              // the name field's tip of each showing
};

class FakeEngineHook : public platform::EngineHook {
public:
    explicit FakeEngineHook(CallLog& log) : log_(log) {}
    bool HookEngineWindow(platform::EngineCharacterSink& to) override {
        log_.Add(installs ? "hook" : "hook failed");
        hooked = hooked || installs;
        if (installs) sink = &to;
        return installs;
    }
    void UnhookEngineWindow() override {
        log_.Add("unhook");
        hooked = false;
    }
    // The engine's characters, as the installed procedure passes them on.
    void Deliver(std::string_view text) {
        for (const char c : text)
            if (hooked) sink->TakeEngineCharacter(static_cast<unsigned char>(c));
    }

    bool installs = true;
    bool hooked = false;  // the engine's characters reach the program
    platform::EngineCharacterSink* sink = nullptr;

private:
    CallLog& log_;
};

// An engine that goes when the test says so, and comes back when started if it can.
class FakeEngineProgram : public platform::EngineProgram {
public:
    explicit FakeEngineProgram(CallLog& log) : log_(log) {}
    bool EngineGone() override { return gone; }
    bool StartEngineAgain() override {
        log_.Add(startable ? "engine started" : "engine not started");
        gone = !startable;
        return startable;
    }

    bool gone = false;
    bool startable = true;

private:
    CallLog& log_;
};

// Remembers the folders it showed; can be made to refuse.
class FakeFolderShell : public platform::FolderShell {
public:
    bool ShowFolder(std::wstring_view widePath) override {
        shown.emplace_back(widePath);
        return canShow;
    }

    std::vector<std::wstring> shown;
    bool canShow = true;
};

}  // namespace zorbel::fakes
