// zorbel with our engine program zorbel-engine.exe in place of MMTTY,
// started through mmtty.bat: a recording that is no WAV file is reported in
// the engine window while the link stands, and so are a stored setting out of
// range and a sound card that is not there; unshift on space and finding the
// polarity are switched on and stored, the presets set their modes and
// finding baud and shift is switched on, stored, and shows the mode found; the notch round trip carries the engine's tones and notches; the engine window hides, shows and docks; a
// generated recording with weather bulletins, cut short, opened in the engine and played
// as fast as the link takes it, reaches the Rx window and the capture file to its end;
// a broadcast played into the session's sound card reaches the capture file,
// and the card pulled and put back is taken again while the link stands;
// zorbel's end ends the engine. The decoding leaves a picture of both
// windows in the screenshot folder for a person to judge.
#include <windows.h>

#include <filesystem>
#include <string>

#include "../common/UniqueWin32.h"
#include "BenchConfig.h"
#include "ScreenPicture.h"
#include "SoundCard.h"
#include "TextConversion.h"
#include "UserInput.h"
#include "WindowQueries.h"
#include "ZorbelSuite.h"
#include "decoder/SignalGenerator.h"
#include "decoder/WavFile.h"
#include "zorbel-engine/EngineSettings.h"
#include "zorbel-engine/win32/EngineWindowIds.h"
#include "resource.h"

namespace {

using bench::WideToUtf8;
namespace ids = zorbel::engine_side;

// Held open by the bench, so that the engine cannot open it: the reason then names the file.
constexpr wchar_t kBadRecording[] = L"Wetter-Ölfeld.wav";
constexpr wchar_t kRecording[] = L"edzw.wav";

const std::string kSynopLine = "10381 11/75 72502 10032 20016 30083 40125";

// The station's RY written from the start and stopping the writing; a
// bulletin saved to its file up to ZCZC; a sea-weather bulletin written into
// the Rx window up to NNNN.
std::string BulletinText() {
  return "RYRYRYRYRYRYRYRYRYRYRYRY\nDDH47 DDK9 PINNEBERG 147.3 KHZ\n" + BulletinHeader("SMDL01") + "\n" + kSynopLine +
         "\nZCZC 104\n" + BulletinHeader("FQEN71") + "\nSEEWETTERBERICHT FUER DIE OSTSEE\nNNNN\n";
}

// The German weather service's mode: 50 Bd, 450 Hz shift, reversed, mildly noisy.
void WriteBroadcast(const std::wstring& path, const std::string& text) {
  const zorbel::decoder::RttyMode mode{50, 450, 1000, true, 1.5};
  const zorbel::decoder::SignalShape shape;
  zorbel::decoder::WavAudio audio{shape.sampleRate, zorbel::decoder::GenerateRtty(text, mode, shape)};
  zorbel::decoder::AddNoise(audio.samples, 10.0, shape, 1);
  zorbel::decoder::WriteWavFile(std::filesystem::path(path), audio);
}

// Cut short as by a recorder that stopped, inside a frame at the end of the
// last character's stop bit, its header still claiming the whole: the last
// line end is read without a next character after it.
void WriteRecording(const std::wstring& path) {
  WriteBroadcast(path, BulletinText());
  const auto written = std::filesystem::file_size(std::filesystem::path(path));
  const zorbel::decoder::SignalShape shape;
  const auto cut = static_cast<std::uintmax_t>(shape.tailSeconds * shape.sampleRate) * 2 + 1;
  std::filesystem::resize_file(std::filesystem::path(path), written - cut);
}

std::wstring StoredEngineSetting(const wchar_t* name) {
  wchar_t value[64] = {};
  DWORD size = sizeof value;
  RegGetValueW(HKEY_CURRENT_USER, zorbel::engine_side::kEngineSettingsKey, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

class EngineProgram : public ZorbelSuite {
 protected:
  static void SetUpTestSuite() {
    StartZorbel([](const std::wstring& folder) {
      std::filesystem::copy_file(bench::Config().engineExe, folder + L"\\zorbel-engine.exe",
                                 std::filesystem::copy_options::overwrite_existing);
      // As the README tells a user, with the mode of the recordings and the bad one to start with.
      // The batch file names the recording by a pattern: cmd would read a name with an umlaut in the OEM code page.
      bench::WriteFileBytes(folder + L"\\mmtty.bat",
                            "@cd /d \"%~dp0\"\r\n"
                            "@for %%f in (Wetter-*.wav) do @\"%~dp0zorbel-engine.exe\" %* --fast --baud 50 "
                            "--shift 450 --mark 1000 --reverse --wav \"%%f\"\r\n");
      badRecording_.reset(CreateFileW((folder + L"\\" + kBadRecording).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
      WriteRecording(folder + L"\\" + kRecording);
      // As at a first start, but for one stored value the engine must not take.
      RegDeleteTreeW(HKEY_CURRENT_USER, zorbel::engine_side::kEngineSettingsKey);
      RegSetKeyValueW(HKEY_CURRENT_USER, zorbel::engine_side::kEngineSettingsKey, L"Shift", REG_SZ, L"inf", sizeof L"inf");
    });
  }

  static HWND EngineWindow() { return FindWindowW(L"ZorbelEngineWindow", L"MMTTY Engine"); }
  static std::string EngineText(int controlId) {
    return WideToUtf8(bench::WindowText(bench::Control(EngineWindow(), controlId)));
  }
  static bool EngineSays(const std::string& start, bench::milliseconds bound = kBound) {
    return bench::PollUntil([&] { return EngineText(ids::IDC_ENGINE_MESSAGE).starts_with(start); }, bound);
  }
  static bool RxHasLine(const std::string& wanted) {
    for (const auto& line : RxLines())
      if (line == wanted) return true;
    return false;
  }
  static std::string RxShown() {
    std::string shown;
    for (const auto& line : RxLines()) shown += line + "\n";
    return shown;
  }
  // The capture files of the working folder whose names end so, one after the other.
  static std::string SavedSynop(const std::wstring& nameEnd) {
    std::string saved;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Zorbel().workingFolder())) {
      const std::wstring name = entry.path().filename().wstring();
      if (name.starts_with(L"Synop") && name.ends_with(nameEnd)) saved += bench::ReadFileBytes(entry.path().wstring());
    }
    return saved;
  }
  static DWORD EngineProcessId() {
    DWORD id = 0;
    GetWindowThreadProcessId(EngineWindow(), &id);
    return id;
  }

  // zorbel's window and the engine's docked under it, as the screen shows them
  // once both have painted what they were sent and no tooltip covers them.
  static std::string SavePictureOfBoth(const std::wstring& fileName) {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    WaitUntilHandled();
    const auto settled = [] {
      return bench::NothingLeftToPaint(MainWindow()) && bench::NothingLeftToPaint(EngineWindow()) &&
             bench::VisibleWindowsOf(Zorbel().processId(), L"tooltips_class32").empty();
    };
    if (!bench::PollUntil(settled, bench::milliseconds{5000})) return "the windows did not settle for the picture";
    RECT main{}, engine{}, both{};
    GetWindowRect(MainWindow(), &main);
    GetWindowRect(EngineWindow(), &engine);
    UnionRect(&both, &main, &engine);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&both, &both, &screen);
    return SaveScreenshot(EngineWindow(), fileName, both);
  }

  // Answers zorbel's notch box with `hz`; returns the box's proposal.
  static std::string EnterNotch(const wchar_t* hz) {
    bench::ChooseMenuItem(MainWindow(), IDM_NOTCH1);
    const auto box = NextBox();
    if (!box) return "no notch box";
    const HWND edit = bench::Control(box->window, IDC_INPUTBOX_EDIT);
    const std::string seen = WideToUtf8(bench::WindowText(edit));
    bench::SendBounded(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(hz));
    bench::AnswerMessageBox(*box, L"OK");
    return seen;
  }

  static inline bench::UniqueHandle badRecording_;
};

TEST_F(EngineProgram, StartsLinkedAndReportsABadRecordingABadSettingAndAMissingSoundCard) {
  ASSERT_TRUE(bench::PollUntil([] { return EngineWindow() != nullptr; }, kBound)) << "no engine window";
  EXPECT_NE(Zorbel().processId(), EngineProcessId());
  EXPECT_TRUE(bench::PollUntil([] { return EngineText(ids::IDC_ENGINE_MESSAGE).find("Ölfeld") != std::string::npos; },
                               kBound));
  EXPECT_EQ("Gespeicherte Einstellung nicht übernommen, es gilt die Vorgabe: „Shift“ = „inf“ (erlaubt 20 bis 1500). "
            "Die Datei „Wetter-Ölfeld.wav“ lässt sich nicht abspielen: sie lässt sich nicht öffnen.",
            EngineText(ids::IDC_ENGINE_MESSAGE));
  badRecording_.reset();
  EXPECT_EQ("50 Bd · Shift 450 Hz · Mark 1000 Hz · revers · 1,5 Stopbits · Notch 0 / 0 Hz",
            EngineText(ids::IDC_ENGINE_MODE));
  EXPECT_TRUE(bench::PollUntil([] { return PanelText(0) == "Status: Bereit"; }, kBound)) << PanelText(0);

  // Each menu entry shows in the mode line at once and is stored. Unshift on space and the polarity found
  // stay on for the recording below; the presets set baud, shift and stop bits in one step; NAVTEX is read
  // instead until baud and shift are found from the signal.
  struct Entry {
    int command;
    const char* modeLine;
    const wchar_t* setting;
    const wchar_t* stored;
  };
  for (const Entry& entry : std::initializer_list<Entry>{
           {ids::IDM_ENGINE_UNSHIFT_ON_SPACE,
            "50 Bd · Shift 450 Hz · Mark 1000 Hz · revers · 1,5 Stopbits · UOS · Notch 0 / 0 Hz",
            L"BuchstabenNachLeerzeichen", L"1"},
           {ids::IDM_ENGINE_POLARITY_FOUND,
            "50 Bd · Shift 450 Hz · Mark 1000 Hz · Polarität automatisch · 1,5 Stopbits · UOS · Notch 0 / 0 Hz",
            L"PolaritaetFinden", L"1"},
           {ids::IDM_ENGINE_PRESET_FIRST + 1,
            "45,45 Bd · Shift 170 Hz · Mark 1000 Hz · Polarität automatisch · 1,5 Stopbits · UOS · Notch 0 / 0 Hz",
            L"Baud", L"45.45"},
           {ids::IDM_ENGINE_PRESET_FIRST,
            "50 Bd · Shift 450 Hz · Mark 1000 Hz · Polarität automatisch · 1,5 Stopbits · UOS · Notch 0 / 0 Hz",
            L"ModusFinden", L"0"},
           {ids::IDM_ENGINE_NAVTEX, "NAVTEX · 100 Bd · Shift 170 Hz · Mark 1000 Hz · sucht · Notch 0 / 0 Hz",
            L"Navtex", L"1"},
           {ids::IDM_ENGINE_MODE_FOUND,
            "Baud und Shift automatisch · Polarität automatisch · 1,5 Stopbits · UOS · Notch 0 / 0 Hz", L"ModusFinden",
            L"1"}}) {
    PostMessageW(EngineWindow(), WM_COMMAND, entry.command, 0);
    EXPECT_TRUE(bench::PollUntil([&] { return EngineText(ids::IDC_ENGINE_MODE) == entry.modeLine; }, kBound))
        << entry.command << ": " << EngineText(ids::IDC_ENGINE_MODE);
    EXPECT_EQ(entry.stored, StoredEngineSetting(entry.setting)) << entry.command;
    if (entry.command == ids::IDM_ENGINE_UNSHIFT_ON_SPACE) {
      EXPECT_EQ(L"170", StoredEngineSetting(L"Shift")) << "the refused value stored over with the default";
    }
    if (entry.command == ids::IDM_ENGINE_MODE_FOUND) {
      EXPECT_EQ(L"0", StoredEngineSetting(L"Navtex")) << "NAVTEX left";
    }
  }

  // A sound card that is not there: choosing it says so.
  PostMessageW(EngineWindow(), WM_COMMAND, ids::IDM_ENGINE_DEVICE_LAST, 0);
  EXPECT_TRUE(EngineSays("Die Soundkarte lässt sich nicht öffnen: ")) << EngineText(ids::IDC_ENGINE_MESSAGE);
}

// Away from the recording's tones, so that real notch filters leave it whole.
TEST_F(EngineProgram, NotchBoxesShowTheEngineTonesAndSetItsNotches) {
  EXPECT_EQ(" 1225", EnterNotch(L"2500")) << "the mean of mark 1000 and space 1450";
  // The other notch was 0, so the engine takes the entry for both.
  EXPECT_TRUE(bench::PollUntil([] { return EngineText(ids::IDC_ENGINE_MODE).ends_with("Notch 2500 / 2500 Hz"); },
                               kBound))
      << EngineText(ids::IDC_ENGINE_MODE);
  // The entry alternates between the notches: now the second.
  EXPECT_EQ(" 1225", EnterNotch(L"2700"));
  EXPECT_TRUE(bench::PollUntil([] { return EngineText(ids::IDC_ENGINE_MODE).ends_with("Notch 2500 / 2700 Hz"); },
                               kBound))
      << EngineText(ids::IDC_ENGINE_MODE);
}

TEST_F(EngineProgram, EngineWindowHidesShowsAndDocks) {
  for (const bool visible : {false, true}) {
    bench::ChooseMenuItem(MainWindow(), IDM_ENGINEAUS);
    EXPECT_TRUE(bench::PollUntil([&] { return (IsWindowVisible(EngineWindow()) != FALSE) == visible; }, kBound))
        << "visible " << visible;
  }
  // Docked low on the 768-pixel screen, the engine window ends on it: its text gives way first.
  const auto dockedAt = [](int top, int bottom) {
    return [=] {
      RECT engine{}, text{};
      GetWindowRect(EngineWindow(), &engine);
      GetWindowRect(bench::Control(EngineWindow(), ids::IDC_ENGINE_TEXT), &text);
      return engine.left == 0 && engine.top == top && engine.right - engine.left == 1024 && engine.bottom == bottom &&
             (bottom != 768 || text.bottom - text.top < 100);
    };
  };
  SetWindowPos(MainWindow(), nullptr, 0, 0, 1024, 600, SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  EXPECT_TRUE(bench::PollUntil(dockedAt(600, 768), kBound));
  // Both windows whole, for the picture below: the engine window is 360 high again.
  SetWindowPos(MainWindow(), nullptr, 0, 0, 1024, 400, SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  EXPECT_TRUE(bench::PollUntil(dockedAt(400, 760), kBound));
}

TEST_F(EngineProgram, RecordingOpenedInTheEngineReachesTheRxWindowAndTheCaptureFile) {
  ASSERT_TRUE(ClickRecordButtonUntil("&Stop"));
  PostMessageW(EngineWindow(), WM_COMMAND, ids::IDM_ENGINE_OPEN, 0);
  EXPECT_EQ("Aufnahme öffnen []", ChooseInFileDialog(InWorkingFolder(kRecording), EngineProcessId()));

  const bool ended = bench::PollUntil([] { return RxHasLine("NNNN"); }, bench::milliseconds{30000});
  const std::string shown = RxShown();
  ASSERT_TRUE(ended) << shown << EngineText(ids::IDC_ENGINE_MESSAGE);
  EXPECT_EQ("", SavePictureOfBoth(L"engine-beside-zorbel.png"));
  EXPECT_TRUE(RxHasLine("SEEWETTERBERICHT FUER DIE OSTSEE")) << shown;
  EXPECT_EQ(BulletinHeader("SMDL01") + "\r\n" + kSynopLine + "\r\nZCZC 104\r\n", SavedSynop(L".txt"));

  EXPECT_TRUE(EngineSays("Wiedergabe von")) << EngineText(ids::IDC_ENGINE_MESSAGE);
  EXPECT_EQ("Wiedergabe von „edzw.wav“ beendet. Die Datei endet vor dem angegebenen Ende; gespielt wird, was da ist.",
            EngineText(ids::IDC_ENGINE_MESSAGE));
  const std::string modeLine = EngineText(ids::IDC_ENGINE_MODE);
  EXPECT_TRUE(modeLine.starts_with("50 Bd · Shift 450 Hz (erkannt) · Mark ") &&
              modeLine.find(" · revers (erkannt) · ") != std::string::npos)
      << modeLine;
  const std::string decoded = EngineText(ids::IDC_ENGINE_TEXT);
  EXPECT_TRUE(decoded.ends_with("SEEWETTERBERICHT FUER DIE OSTSEE\r\nNNNN\r\n")) << decoded;
  EXPECT_TRUE(ClickRecordButtonUntil("&mitschreiben"));
}

// The session's sound card for real: what is played into it is recorded by the
// engine in real time. Pulled, the engine says so and waits for it; put back,
// it is taken again without a restart; the link to zorbel stands throughout.
TEST_F(EngineProgram, BroadcastOnTheSoundCardIsSavedAndThePulledCardIsTakenAgain) {
  const int monitor = bench::CaptureDeviceNamed(bench::kSinkMonitorName);
  ASSERT_GE(monitor, 0) << "no capture device of the session's sound server (tests/wine/session/sound-server.sh)";
  const std::string card = "„" + WideToUtf8(bench::kSinkMonitorName) + "“";
  ASSERT_TRUE(ClickRecordButtonUntil("&Stop"));
  PostMessageW(EngineWindow(), WM_COMMAND, ids::IDM_ENGINE_DEVICE_FIRST + monitor, 0);
  // The first buffers of a newly opened card may take seconds under Wine, and
  // an opening that brings none is retried: either way the engine says when
  // sound arrives, and only then is it worth playing.
  const bench::milliseconds kCardBound{30000};
  const auto listening = [&] {
    const std::string message = EngineText(ids::IDC_ENGINE_MESSAGE);
    return message == "Höre auf die Soundkarte " + card + "." ||
           message == "Die Soundkarte " + card + " ist wieder da: höre weiter.";
  };
  ASSERT_TRUE(bench::PollUntil(listening, kCardBound)) << EngineText(ids::IDC_ENGINE_MESSAGE);

  // Bulletins of other hours than the recording's, each into a capture file of its own.
  const auto bulletinArrives = [&](const std::string& hour, const std::string& synopLine) {
    std::string header = BulletinHeader("SMDL01");
    header.replace(header.size() - 4, 4, hour);
    const std::wstring recording = InWorkingFolder(L"live-" + bench::Utf8ToWide(hour) + L".wav");
    const std::string body = synopLine.empty() ? "" : synopLine + "\n";
    WriteBroadcast(recording, "RYRYRYRY\n" + header + "\n" + body + "ZCZC 105\n");
    bench::PlayIntoSink(recording);
    const std::wstring file = L"-" + bench::Utf8ToWide(hour) + L".txt";
    const std::string expected =
        header + "\r\n" + (synopLine.empty() ? "" : synopLine + "\r\n") + "ZCZC 105\r\n";
    const bool arrived = bench::PollUntil([&] { return SavedSynop(file) == expected; }, kCardBound);
    EXPECT_TRUE(arrived) << hour << ": " << SavedSynop(file) << "\nRx:\n" << RxShown() << "Engine:\n"
                         << EngineText(ids::IDC_ENGINE_TEXT) << "\n" << EngineText(ids::IDC_ENGINE_MESSAGE);
  };
  bulletinArrives("1200", kSynopLine);

  // Missed for three seconds, the card is reported gone; tried each second, it is back within seconds of its return.
  bench::PullSink();
  ASSERT_TRUE(EngineSays("Die Soundkarte " + card + " liefert keine Daten mehr (entfernt?).", kBound))
      << EngineText(ids::IDC_ENGINE_MESSAGE);
  // zorbel's notch box asks the engine for its tones (mark 1000 Hz as followed, space 450 Hz above): the link
  // stands while the card is away.
  const std::string proposed = EnterNotch(L"2500");
  EXPECT_NEAR(1225, std::atoi(proposed.c_str()), 5) << proposed;

  bench::PutBackSink();
  ASSERT_TRUE(EngineSays("Die Soundkarte " + card + " ist wieder da: höre weiter.", kBound * 2))
      << EngineText(ids::IDC_ENGINE_MESSAGE);
  bulletinArrives("1800", "");

  EXPECT_TRUE(ClickRecordButtonUntil("&mitschreiben"));
  // Back to recordings, so that no later start of the engine listens.
  PostMessageW(EngineWindow(), WM_COMMAND, ids::IDM_ENGINE_INPUT_FILE, 0);
  EXPECT_TRUE(EngineSays("Eingang: Aufnahmen")) << EngineText(ids::IDC_ENGINE_MESSAGE);
}

// Last of the group: zorbel's end releases and ends the engine.
TEST_F(EngineProgram, ZorbelsEndEndsTheEngine) {
  bench::UniqueHandle engine(OpenProcess(SYNCHRONIZE, FALSE, EngineProcessId()));
  ASSERT_TRUE(engine);
  PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ("Programmende", AnswerNext(L"Ja"));
  EXPECT_EQ("Text speichern ?", AnswerNext(L"Nein"));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(engine.get(), static_cast<DWORD>(kBound.count())))
      << "the engine did not end";
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(Zorbel().process(), static_cast<DWORD>(kBound.count())));
}

}  // namespace
