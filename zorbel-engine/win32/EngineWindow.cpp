#include "zorbel-engine/win32/EngineWindow.h"

#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <iterator>

#include "decoder/DecoderLimits.h"
#include "decoder/WavFile.h"
#include "engine/EngineNames.h"
#include "engine/EngineValues.h"
#include "win32/ChildWindow.h"
#include "win32/Encoding.h"
#include "zorbel-engine/EngineLayout.h"
#include "zorbel-engine/ModeText.h"
#include "zorbel-engine/PlaybackTexts.h"
#include "zorbel-engine/win32/ChartFolder.h"
#include "zorbel-engine/win32/ChartSaving.h"
#include "zorbel-engine/win32/EngineResources.h"
#include "zorbel-engine/win32/EngineWindowIds.h"
#include "zorbel-engine/win32/WindowDpi.h"

namespace zorbel::engine_side {
namespace {

using engine::EngineCommand;

constexpr wchar_t kClassName[] = L"ZorbelEngineWindow";
constexpr UINT_PTR kPlayTimer = 1;
constexpr UINT_PTR kDisplayTimer = 2;
constexpr UINT kPlayIntervalMs = 20;
constexpr std::size_t kMostWaiting = 100000;     // characters kept for a program that does not take them
constexpr int kMostText = 30000;                 // characters kept in the text box
// The chart under way drawn afresh about once a second.
constexpr unsigned kTicksPerChartPicture = 1000 / kPictureIntervalMs;
// A correction's step: 10 millionths of a line straighten 18 elements in 1000 lines; a hundredth of a line moves
// the edge by 18 elements.
constexpr double kSlantStepPpm = 10.0;
constexpr double kStartStepShare = 0.01;

std::wstring FileName(const std::wstring& path) { return std::filesystem::path(path).filename().wstring(); }

std::wstring LengthNote(decoder::WavLength length) {
    switch (length) {
    case decoder::WavLength::EndsEarly:
        return L" Die Datei endet vor dem angegebenen Ende; gespielt wird, was da ist.";
    case decoder::WavLength::NotGiven:
        return L" Die Datei nennt ihre Länge nicht (gestreamte Aufnahme); gespielt wird, was da ist.";
    default:
        return L"";
    }
}

}  // namespace

EngineWindow::EngineWindow(const EngineOptions& options, platform::SettingsStore& store, EngineSettings settings,
                           const std::wstring& refusedSettings)
    : link_(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(options.mainWindow))),
      store_(store),
      settings_(std::move(settings)),
      startNote_(refusedSettings),
      receiver_(options.AppliedTo(settings_.mode),
                {.unshiftOnSpace = options.unshiftOnSpace || settings_.unshiftOnSpace,
                 .findPolarity = !options.reversed && settings_.findPolarity},
                WaveInput::kSampleRate,
                // A baud or shift on the command line holds for this run.
                settings_.findMode && !options.baud && !options.shiftHz),
      fast_(options.fast || settings_.fast),
      repeat_(options.repeat),
      startFile_(options.wavPath),
      sender_([this](std::int32_t code) { return link_.Post(engine::EngineAnswer::Character, code); }),
      signal_([this](double frequencyHz) {
          // The click puts the mark marker there; read reversed, the mode's mark lies one shift below it.
          auto mode = receiver_.Mode();
          // NAVTEX's shift is its own, whatever the RTTY mode kept.
          const double shiftHz = receiver_.Navtex() ? receiver_.ReadMode().shiftHz : mode.shiftHz;
          mode.markHz = std::clamp(std::round(receiver_.ReadMode().reversed ? frequencyHz - shiftHz : frequencyHz),
                                   decoder::kMarkRange.lowest, decoder::kMarkRange.highest);
          ChangeMode(mode);
      }) {
    // Like baud and shift, an RTTY mode on the command line holds for this run.
    receiver_.SetNavtex(settings_.navtex && !options.baud && !options.shiftHz);
}

bool EngineWindow::Create(HINSTANCE instance, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_ENGINE));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (!RegisterWindowClass(windowClass)) return false;
    const std::wstring title = win32::Utf8ToWide(engine::kEngineWindowTitle);
    const int systemDpi = DpiOf(nullptr);
    // Clipping its children: the chart pane, shown where the hidden text stood, is not painted over by the window's
    // own background afterwards.
    if (!CreateWindowOf({.className = kClassName,
                         .title = title.c_str(),
                         .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                         .width = ScaledToDpi(kDesignWidth, systemDpi),
                         .height = ScaledToDpi(kDesignHeight, systemDpi)}))
        return false;
    CreateControls();
    devices_ = InputDeviceNames();
    menu_.Attach(hwnd_, devices_);
    CheckMenu();
    ApplyDpi(systemDpi);
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    wantedHeight_ = outer.bottom - outer.top;
    // Opened on a screen of another DPI than the system's: sized for that one.
    if (const int dpi = DpiOf(hwnd_); dpi != systemDpi) {
        wantedHeight_ = MulDiv(wantedHeight_, dpi, systemDpi);
        ApplyDpi(dpi);
        SetWindowPos(hwnd_, nullptr, 0, 0, MulDiv(outer.right - outer.left, dpi, systemDpi), wantedHeight_,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(hwnd_, showCommand);
    link_.Announce(hwnd_);
    SetTimer(hwnd_, kDisplayTimer, kPictureIntervalMs, nullptr);
    if (settings_.fax) ListenForCharts();
    // Stored again with the defaults in their place, so that it is said once.
    if (!startNote_.empty()) SaveEngineSettings(store_, settings_);

    if (!startFile_.empty()) {
        Play(startFile_);
    } else if (settings_.device != kNoDevice) {
        Listen(settings_.device);
    } else {
        ShowMessage(L"Bereit: eine Aufnahme über „Datei öffnen“ abspielen oder im Menü „Eingang“ die Soundkarte wählen.");
    }
    return true;
}

LRESULT EngineWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == link_.Message()) {
        OnLinkCommand(wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_GETMINMAXINFO:
        // Smaller, the spectrum and the mode and message lines no longer fit.
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {ScaledToDpi(kLeastWidth, dpi_), LeastHeight()};
        return 0;
    case WM_DPICHANGED: {
        // Moved to a screen of another DPI, or the screen's scale changed: Windows proposes the place.
        const RECT& proposed = *reinterpret_cast<const RECT*>(lParam);
        wantedHeight_ = MulDiv(wantedHeight_, HIWORD(wParam), dpi_);
        ApplyDpi(HIWORD(wParam));
        SetWindowPos(hwnd_, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                     proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_EXITSIZEMOVE: {
        // Sized by the user: the height docking keeps to where the screen allows.
        RECT outer{};
        GetWindowRect(hwnd_, &outer);
        wantedHeight_ = outer.bottom - outer.top;
        return 0;
    }
    case WM_SETFOCUS:
        // The decoded text takes the keys: arrows scroll it, Ctrl+C copies from it.
        SetFocus(text_);
        return 0;
    case WM_COMMAND:
        OnMenu(LOWORD(wParam));
        return 0;
    case WM_TIMER:
        if (wParam == kPlayTimer) OnPlayTick();
        if (wParam == kDisplayTimer) OnDisplayTick();
        return 0;
    case WM_CTLCOLORSTATIC:
        // A read-only edit asks as a static does; the decoded text stays on white like any text.
        if (reinterpret_cast<HWND>(lParam) == text_) {
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    case MM_WIM_DATA:
        OnRecorded(wParam, lParam);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd_, kPlayTimer);
        KillTimer(hwnd_, kDisplayTimer);
        input_.Close();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void EngineWindow::CreateControls() {
    // Placed by Layout.
    const auto child = [&](const wchar_t* className, DWORD style, int id) {
        return win32::CreateChildControl({hwnd_, id, {}, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))},
                                         className, L"", style);
    };
    signal_.Create(hwnd_, IDC_ENGINE_SIGNAL);
    modeLine_ = child(L"STATIC", SS_LEFT | SS_NOPREFIX, IDC_ENGINE_MODE);
    messageLine_ = child(L"STATIC", SS_LEFT | SS_NOPREFIX, IDC_ENGINE_MESSAGE);
    text_ = child(L"EDIT", WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, IDC_ENGINE_TEXT);
    chartPane_.Create(hwnd_, IDC_ENGINE_CHART);
    ShowMode();
}

void EngineWindow::ApplyDpi(int dpi) {
    dpi_ = dpi;
    uiFont_ = MessageFontFor(dpi);
    textFont_ = FixedFontFor(dpi);
    for (const HWND line : {modeLine_, messageLine_})
        SendMessageW(line, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), TRUE);
    SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), TRUE);
    signal_.SetDpi(dpi);
    Layout();
}

int EngineWindow::LeastHeight() const {
    RECT outer{}, client{};
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    return outer.bottom - outer.top - client.bottom + LeastClientHeight(dpi_);
}

void EngineWindow::Layout() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const EngineLayout layout = LayOutEngineWindow(client.right, client.bottom, dpi_);
    const std::pair<HWND, Box> places[] = {{signal_.Hwnd(), layout.signal},
                                           {modeLine_, layout.modeLine},
                                           {messageLine_, layout.messageLine},
                                           {text_, layout.text},
                                           {chartPane_.Hwnd(), layout.text}};
    for (const auto& [window, box] : places) MoveWindow(window, box.left, box.top, box.width, box.height, TRUE);
    // The chart under way stands where the decoded text does: radiofax brings no text.
    ShowWindow(text_, settings_.fax ? SW_HIDE : SW_SHOW);
    ShowWindow(chartPane_.Hwnd(), settings_.fax ? SW_SHOW : SW_HIDE);
}

void EngineWindow::FitOnScreen() {
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const int height = DockedHeight(wantedHeight_, LeastHeight(), outer.top, monitor.rcWork.bottom);
    if (height != outer.bottom - outer.top)
        SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EngineWindow::CheckMenu() {
    // A card that has gone stays the chosen input while it is waited for.
    menu_.Check({receiver_.Mode(), receiver_.FindsMode(), receiver_.FindsPolarity(), receiver_.UnshiftOnSpace(), fast_,
                 !playing_.empty(), soundCard_.Watching() ? settings_.device : kNoDevice, receiver_.Navtex(),
                 settings_.fax, settings_.faxFrequencyHz, settings_.faxDeviationHz});
}

void EngineWindow::OnLinkCommand(WPARAM code, LPARAM value) {
    switch (link_.Obey(code, value)) {
    case EngineCommand::QueryValues:
        link_.AnswerValues(static_cast<std::int32_t>(std::lround(receiver_.MarkHz())),
                           static_cast<std::int32_t>(std::lround(receiver_.SpaceHz())),
                           engine::PackNotchPair(static_cast<std::int32_t>(receiver_.FirstNotchHz()),
                                                 static_cast<std::int32_t>(receiver_.SecondNotchHz())));
        break;
    case EngineCommand::SetNotch: {
        const auto pair = engine::UnpackNotchPair(static_cast<std::int32_t>(value));
        receiver_.SetNotches(pair.high, pair.low);
        ShowMode();
        break;
    }
    case EngineCommand::DockPosition:
    case EngineCommand::DockWidth:
        // Docked under the program's window: the window ends on the screen, shorter if need be.
        FitOnScreen();
        break;
    case EngineCommand::Release:
        // The program is going: nothing more to send.
        StopInput();
        ShowMessage(L"Vom Programm freigegeben.");
        break;
    default:
        break;
    }
}

void EngineWindow::OnMenu(int id) {
    // Left first, so that what follows works on the RTTY mode kept.
    if (EngineMenu::ChoosesRtty(id) && receiver_.Navtex()) ChooseNavtex(false);
    if (EngineMenu::ChoosesRtty(id) && settings_.fax) ChooseFax(false);
    auto mode = receiver_.Mode();
    int faxFrequencyHz = 0;
    if (id == IDM_ENGINE_OPEN) {
        OpenWithDialog();
    } else if (id == IDM_ENGINE_PLAY_AGAIN) {
        if (!playing_.empty()) Play(playing_);
    } else if (id == IDM_ENGINE_FAST) {
        fast_ = settings_.fast = !fast_;
        SaveEngineSettings(store_, settings_);
        CheckMenu();
    } else if (id == IDM_ENGINE_CHARTS) {
        charts_.Open(hwnd_);
    } else if (id == IDM_ENGINE_EXIT) {
        DestroyWindow(hwnd_);
    } else if (id == IDM_ENGINE_INPUT_FILE) {
        StopInput();
        settings_.device = kNoDevice;
        SaveEngineSettings(store_, settings_);
        ShowMessage(L"Eingang: Aufnahmen über „Datei öffnen“.");
    } else if (id >= IDM_ENGINE_DEVICE_FIRST && id <= IDM_ENGINE_DEVICE_LAST) {
        Listen(id - IDM_ENGINE_DEVICE_FIRST);
    } else if (id == IDM_ENGINE_POLARITY_FOUND) {
        // Finding starts from the polarity read last.
        ChoosePolarity(true, receiver_.ReadMode().reversed);
    } else if (id == IDM_ENGINE_POLARITY_NORMAL || id == IDM_ENGINE_POLARITY_REVERSED) {
        ChoosePolarity(false, id == IDM_ENGINE_POLARITY_REVERSED);
    } else if (id == IDM_ENGINE_UNSHIFT_ON_SPACE) {
        ToggleUnshiftOnSpace();
    } else if (id == IDM_ENGINE_MODE_FOUND) {
        ChooseFindMode(true);
    } else if (id == IDM_ENGINE_NAVTEX) {
        ChooseNavtex(true);
    } else if (id == IDM_ENGINE_FAX) {
        ChooseFax(true);
    } else if (EngineMenu::PickFaxFrequency(id, faxFrequencyHz)) {
        settings_.faxFrequencyHz = faxFrequencyHz;
        KeepModeSettings();
    } else if (id == IDM_ENGINE_FAX_DEVIATION_400 || id == IDM_ENGINE_FAX_DEVIATION_425) {
        settings_.faxDeviationHz = id == IDM_ENGINE_FAX_DEVIATION_400 ? 400.0 : 425.0;
        if (settings_.fax) ListenForCharts();
        KeepModeSettings();
    } else if (id == IDM_ENGINE_FAX_LINES_LONGER || id == IDM_ENGINE_FAX_LINES_SHORTER) {
        CorrectChart(id == IDM_ENGINE_FAX_LINES_LONGER ? kSlantStepPpm : -kSlantStepPpm, 0.0);
    } else if (id == IDM_ENGINE_FAX_START_LEFT || id == IDM_ENGINE_FAX_START_RIGHT) {
        CorrectChart(0.0, id == IDM_ENGINE_FAX_START_LEFT ? kStartStepShare : -kStartStepShare);
    } else if (id == IDC_ENGINE_CHART) {
        if (chartPane_.Chart().height > 0) charts_.OpenChart(hwnd_, chartPane_.Chart(), L"Wetterkarte im Empfang");
    } else if (EngineMenu::PickModeChoice(id, mode)) {
        if (EngineMenu::ChoosesBaudOrShift(id) && receiver_.FindsMode()) {
            // From the mode found on: a baud chosen keeps the shift and the tones found.
            mode = receiver_.ReadMode();
            EngineMenu::PickModeChoice(id, mode);
            settings_.findMode = false;
            receiver_.SetFindMode(false);
        }
        ChangeMode(mode);
    }
}

void EngineWindow::OpenWithDialog() {
    wchar_t path[MAX_PATH * 2] = {};
    const std::wstring folder =
        settings_.lastFile.empty() ? L"" : std::filesystem::path(settings_.lastFile).parent_path().wstring();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hwnd_;
    dialog.lpstrFilter = L"WAV-Aufnahmen (*.wav)\0*.wav\0Alle Dateien (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH * 2;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = L"Aufnahme öffnen";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameW(&dialog)) Play(path);
}

void EngineWindow::Play(const std::wstring& path) {
    StopInput();
    try {
        auto audio = decoder::ReadWavFile(std::filesystem::path(path));
        lengthNote_ = LengthNote(audio.length);
        player_ = std::make_unique<WavPlayer>(std::move(audio), fast_, repeat_);
    } catch (const decoder::WavError& error) {
        ShowMessage(WavRefusalText(FileName(path), error));
        return;
    } catch (const std::exception&) {
        // Out of memory for a huge file, or a name the system refuses: the message line stays German.
        ShowMessage(WavRefusalText(FileName(path), decoder::WavError(decoder::WavProblem::CannotRead, "")));
        return;
    }
    AppendToPane(paneLines_.StartAfresh());
    if (settings_.fax) ListenForCharts();
    playing_ = path;
    settings_.lastFile = path;
    SaveEngineSettings(store_, settings_);
    ShowMessage(L"Spiele „" + FileName(path) + (fast_ ? L"“ so schnell wie möglich." : L"“ in Echtzeit.") +
                lengthNote_);
    SetTimer(hwnd_, kPlayTimer, fast_ ? USER_TIMER_MINIMUM : kPlayIntervalMs, nullptr);
    CheckMenu();
}

void EngineWindow::Listen(int device) {
    StopInput();
    const std::wstring failure = input_.Open(hwnd_, device);
    if (!failure.empty()) {
        ShowMessage(failure + L" Bitte im Menü „Eingang“ ein anderes Gerät wählen.");
    } else {
        AppendToPane(paneLines_.StartAfresh());
        if (settings_.fax) ListenForCharts();
        // Kept only once it works, so that the next start does not try a missing device again.
        settings_.device = device;
        SaveEngineSettings(store_, settings_);
        soundCard_.Opened(GetTickCount64());
        soundCardName_ = static_cast<std::size_t>(device) < devices_.size() ? devices_[static_cast<std::size_t>(device)]
                                                                            : std::to_wstring(device);
        // Said to be listening once sound arrives: a card may open and deliver nothing.
        ShowMessage(L"Warte auf die Soundkarte „" + soundCardName_ + L"“ …");
    }
    CheckMenu();
}

void EngineWindow::StopInput() {
    KillTimer(hwnd_, kPlayTimer);
    player_.reset();
    input_.Close();
    soundCard_.Stop();
    CheckMenu();
}

void EngineWindow::FollowSoundCard(SoundCardWatch::Step step) {
    const std::uint64_t now = GetTickCount64();
    switch (step) {
    case SoundCardWatch::Step::CloseAndReportLoss:
        input_.Close();
        // Short enough for the message line of a window at its least width.
        ShowMessage(L"Die Soundkarte „" + soundCardName_ +
                    L"“ liefert keine Daten mehr (entfernt?). Sobald sie zurück ist, höre ich weiter.");
        break;
    case SoundCardWatch::Step::CloseQuietly:
        input_.Close();
        break;
    case SoundCardWatch::Step::Reopen: {
        // By name: on Windows the card may come back under another number.
        const int device = FindInputDevice(soundCardName_);
        if (device >= 0 && input_.Open(hwnd_, device).empty()) {
            soundCard_.Reopened(now);
            if (device != settings_.device) {
                settings_.device = device;
                SaveEngineSettings(store_, settings_);
            }
        } else {
            soundCard_.ReopenFailed(now);
        }
        break;
    }
    case SoundCardWatch::Step::Nothing:
        break;
    }
}

void EngineWindow::OnPlayTick() {
    if (!player_) return;
    // Fast: the next block only once the program has taken every character.
    if (!sender_.Send() && player_->Fast()) return;
    if (!player_->Finished()) {
        Decode(player_->Due(GetTickCount64()), player_->SampleRate());
        if (player_->Finished()) {
            // The picture stands still from here on: on the recording's end, not on the last display tick before it;
            // the mode as read, before the decoder's end of input starts it afresh.
            signal_.Show(receiver_.TakeFrame());
            ShowMode();
            Take(receiver_.Finish());
            FollowCharts();
        }
    }
    // Ended once the program has every character, the last ones included.
    if (player_->Finished() && sender_.Send()) {
        KillTimer(hwnd_, kPlayTimer);
        player_.reset();
        // What comes next, another recording or the sound card, is another transmission.
        AppendToPane(paneLines_.StartAfresh());
        // Said after the last chart's saving, or instead of it.
        const bool noChart = settings_.fax && chartsHeard_ == 0;
        if (noChart || !settings_.fax)
            ShowMessage(L"Wiedergabe von „" + FileName(playing_) + L"“ beendet." + lengthNote_ +
                        (noChart ? L" Eine Wetterkarte war nicht darin." : L""));
    }
}

void EngineWindow::OnRecorded(WPARAM device, LPARAM buffer) {
    const auto taken = input_.Take(device, buffer, recorded_);
    if (taken == WaveInput::Taken::Samples) {
        switch (soundCard_.Delivered(GetTickCount64())) {
        case SoundCardWatch::Arrival::First:
            ShowMessage(L"Höre auf die Soundkarte „" + soundCardName_ + L"“.");
            break;
        case SoundCardWatch::Arrival::Back:
            ShowMessage(L"Die Soundkarte „" + soundCardName_ + L"“ ist wieder da: höre weiter.");
            break;
        case SoundCardWatch::Arrival::Running:
            break;
        }
    }
    Decode(recorded_, WaveInput::kSampleRate);
    sender_.Send();
    if (taken == WaveInput::Taken::Refused) FollowSoundCard(soundCard_.Refused(GetTickCount64()));
}

void EngineWindow::OnDisplayTick() {
    FollowSoundCard(soundCard_.Tick(GetTickCount64()));
    if (++chartTicks_ % kTicksPerChartPicture == 0) FollowCharts();
    // Without input the picture stands still.
    if ((player_ && !player_->Finished()) || input_.IsOpen()) {
        signal_.Show(receiver_.TakeFrame());
        ShowMode();
    }
}

void EngineWindow::Decode(std::span<const float> samples, double sampleRate) {
    Take(receiver_.Decode(samples, sampleRate));
}

void EngineWindow::Take(const std::string& text) {
    if (text.empty()) return;
    AppendText(text);
    // Started by hand, before any program: nobody to send to.
    if (!link_.MainWindow()) return;
    if (sender_.Waiting() > kMostWaiting) sender_.Clear();
    for (const char c : text) sender_.Add(static_cast<unsigned char>(c));
}

// A reading setting changed: stored for the next start, and shown in the mode line and the menu.
void EngineWindow::KeepModeSettings() {
    SaveEngineSettings(store_, settings_);
    ShowMode();
    CheckMenu();
}

void EngineWindow::ChangeMode(const decoder::RttyMode& mode) {
    receiver_.SetMode(mode);
    settings_.mode = mode;
    KeepModeSettings();
}

void EngineWindow::ChooseFindMode(bool findMode) {
    settings_.findMode = findMode;
    receiver_.SetFindMode(findMode);
    KeepModeSettings();
}

void EngineWindow::ChooseNavtex(bool navtex) {
    if (navtex && settings_.fax) ChooseFax(false);
    settings_.navtex = navtex;
    receiver_.SetNavtex(navtex);
    KeepModeSettings();
}

void EngineWindow::ChooseFax(bool fax) {
    if (fax && receiver_.Navtex()) ChooseNavtex(false);
    settings_.fax = fax;
    if (fax) ListenForCharts();
    else receiver_.SetFax(std::nullopt, 0);
    Layout();
    KeepModeSettings();
}

void EngineWindow::ListenForCharts() {
    decoder::FaxMode mode;
    mode.deviationHz = settings_.faxDeviationHz;
    receiver_.SetFax(mode, std::time(nullptr));
    chartPane_.Show({});
    chartsHeard_ = 0;
}

void EngineWindow::CorrectChart(double slantPpm, double startShare) {
    FaxReceiver* fax = receiver_.Fax();
    if (!fax || !fax->Receiving()) return ShowMessage(L"Korrigiert wird die Karte im Empfang; gerade kommt keine.");
    ChartCorrection correction = fax->Correction();
    correction.slantPpm += slantPpm;
    // Within half a line either way: more would only move the edge round.
    correction.startShare = std::remainder(correction.startShare + startShare, 1.0);
    fax->Correct(correction);
    chartPane_.Show(fax->ChartSoFar());
    ShowMessage(L"Karte korrigiert: Zeilen " + GermanNumber(correction.slantPpm) + L" ppm länger, Zeilenanfang um " +
                GermanNumber(std::round(correction.startShare * 1000) / 10) + L" % verschoben.");
}

void EngineWindow::FollowCharts() {
    FaxReceiver* fax = receiver_.Fax();
    if (!fax) return;
    std::vector<ReceivedChart> ended = fax->TakeEnded();
    if (!ended.empty()) chartPane_.Show(ended.back().chart);
    // A chart the folder did not take is tried again with the next one.
    chartsHeard_ += static_cast<int>(ended.size());
    if (!ended.empty()) {
        std::move(ended.begin(), ended.end(), std::back_inserter(unsaved_));
        SaveCharts();
    }
    if (fax->Receiving()) chartPane_.Show(fax->ChartSoFar());
}

void EngineWindow::SaveCharts() {
    const std::wstring folder = ChartFolder(settings_);
    std::vector<ReceivedChart> failed;
    std::wstring said;
    for (ReceivedChart& chart : unsaved_) {
        const ChartSaved saved = SaveChart(chart, settings_.faxFrequencyHz, folder);
        said = saved.saved ? L"Wetterkarte gespeichert: „" + saved.text + L"“."
                           : L"Wetterkarte nicht gespeichert: " + saved.text +
                                 L" Sie bleibt und wird mit der nächsten Karte wieder versucht; einen anderen Ordner "
                                 L"wählt „Datei › Wetterkarten...“.";
        if (!saved.saved) failed.push_back(std::move(chart));
    }
    unsaved_ = std::move(failed);
    ShowMessage(said);
    charts_.RefreshIfShown();
}

void EngineWindow::ChoosePolarity(bool findPolarity, bool reversed) {
    settings_.findPolarity = findPolarity;
    receiver_.SetFindPolarity(findPolarity);
    auto mode = receiver_.Mode();
    mode.reversed = reversed;
    ChangeMode(mode);
}

void EngineWindow::ToggleUnshiftOnSpace() {
    settings_.unshiftOnSpace = !receiver_.UnshiftOnSpace();
    receiver_.SetUnshiftOnSpace(settings_.unshiftOnSpace);
    KeepModeSettings();
}

void EngineWindow::ShowMode() {
    if (!modeLine_) return;
    signal_.ShowTones(receiver_.MarkToneHz(), receiver_.SpaceToneHz());
    FaxReceiver* fax = receiver_.Fax();
    const std::wstring text =
        fax ? FaxModeText(*receiver_.FaxMode(), settings_.faxFrequencyHz,
                          fax->Receiving() ? std::optional(fax->LinesSoFar()) : std::nullopt)
        : receiver_.Navtex()
            ? NavtexModeText(receiver_.ReadMode(), receiver_.NavtexLocked(), receiver_.FirstNotchHz(),
                             receiver_.SecondNotchHz())
            : ModeText(receiver_.ReadMode(), receiver_.ModeSource(), receiver_.Polarity(), receiver_.UnshiftOnSpace(),
                       receiver_.FirstNotchHz(), receiver_.SecondNotchHz());
    // Asked every picture, for a mode or polarity found or given up: set only when it changed (a round trip under
    // Wine).
    if (text == modeShown_) return;
    modeShown_ = text;
    SetWindowTextW(modeLine_, text.c_str());
    // The receiver may have moved its mark to a new signal.
    CheckMenu();
}

void EngineWindow::ShowMessage(const std::wstring& text) {
    const std::wstring shown = startNote_.empty() ? text : startNote_ + L" " + text;
    startNote_.clear();
    SetWindowTextW(messageLine_, shown.c_str());
}

void EngineWindow::AppendText(std::string_view ansiText) { AppendToPane(paneLines_.Add(ansiText)); }

void EngineWindow::AppendToPane(const std::wstring& shown) {
    if (shown.empty()) return;
    const int length = GetWindowTextLengthW(text_);
    if (length > kMostText) {
        SendMessageW(text_, EM_SETSEL, 0, length - kMostText / 2);
        SendMessageW(text_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    }
    SendMessageW(text_, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageW(text_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(shown.c_str()));
}

}  // namespace zorbel::engine_side
