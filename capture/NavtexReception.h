#pragma once
// The NAVTEX messages in the engine's characters, read beside the capture.
// Each message shown (new, or a better copy of one shown) is saved as a text
// file into the NAVTEX folder, named by its UTC date, time and identity; the
// 72-hour memory lives there too and is read at start and written after each
// message, so the list survives a restart. A new search and rescue message
// beeps. What cannot be written (a file of the folder's name in its way, a
// drive gone) waits in memory, is said once in German and is written with the
// next message or at exit, where what is still lost is said. A stored memory
// that cannot be read is set aside, never overwritten.

#include <functional>
#include <string>
#include <vector>

#include "config/CaptureSettings.h"
#include "navtex/MessageMemory.h"
#include "navtex/MessageReader.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/DocumentFiles.h"
#include "platform/Files.h"

namespace zorbel {

inline constexpr std::wstring_view kNavtexMemoryName = L"NAVTEX-Speicher.txt";
inline constexpr std::wstring_view kNavtexDamagedMemoryName = L"NAVTEX-Speicher (unlesbar).txt";

struct NavtexParts {
    platform::Files& folders;
    platform::DocumentFiles& files;
    const platform::Clock& clock;
    platform::Dialogs& dialogs;
    CaptureSettings& settings;  // the receiver's frequency
};

class NavtexReception {
public:
    explicit NavtexReception(const NavtexParts& parts) : parts_(parts) {}

    // At start: the folder, and the memory kept in it.
    void Open(std::wstring wideFolder);
    // Another folder chosen: what is saved from now on goes there. Its own
    // memory, if it holds one, becomes the list (the old folder keeps the one
    // left there); otherwise the list goes on and is kept there.
    void MoveTo(std::wstring wideFolder);

    // Every character the engine sends while reception is on.
    void TakeCharacter(char cp1252Character);
    // Reception ended: a message still open has lost its end.
    void EndOfSignal();
    // At exit: what still waits to be written, and a box when it cannot be.
    void WriteAtExit();

    // 490, 518 or 4209.5 kHz; another value is not taken.
    void SetFrequency(int frequencyHz);
    int FrequencyHz() const { return parts_.settings.navtexFrequencyHz; }

    const navtex::MessageMemory& Memory() const { return memory_; }
    navtex::UtcSeconds Now() const;
    // Called after each change of the memory (the window refreshes its list).
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    struct WaitingFile {
        std::wstring wideName;
        std::string cp1252Text;
    };

    void Arrive(navtex::NavtexMessage message);
    void WriteWaiting();
    void SayWhyNotWritten(const std::string& utf8Consequence);
    void TakeFolder(std::wstring wideFolder);
    // Whether the folder holds a memory: then it is the list (empty when it cannot be read).
    bool LoadMemory();
    bool TryWriting();
    std::wstring FreePath(const std::wstring& wideName) const;
    void Changed();

    NavtexParts parts_;
    std::wstring folder_;
    navtex::MessageReader reader_;
    navtex::MessageMemory memory_;
    std::vector<WaitingFile> waiting_;
    bool memoryWaiting_ = false;
    bool memoryWritable_ = true;  // false while a stored memory that could not be read stands in its place
    bool reported_ = false;       // a failure to write said
    int emptyInARow_ = 0;
    bool floodReported_ = false;
    std::function<void()> changed_;
};

}  // namespace zorbel
