#pragma once
// The window "MMTTY Engine": takes the program's commands through the link,
// decodes a recording or the sound card, posts each character to the
// program, shows the signal, the mode and the decoded text, and lets the
// user choose the mode, the input and the recording.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/CharacterSender.h"
#include "win32/EngineSideLink.h"
#include "win32/Handles.h"
#include "win32/Window.h"
#include "zorbel-engine/EngineOptions.h"
#include "zorbel-engine/EngineSettings.h"
#include "zorbel-engine/Receiver.h"
#include "zorbel-engine/SoundCardWatch.h"
#include "zorbel-engine/TextPaneLines.h"
#include "zorbel-engine/WavPlayer.h"
#include "zorbel-engine/win32/ChartListWindow.h"
#include "zorbel-engine/win32/ChartPane.h"
#include "zorbel-engine/win32/EngineMenu.h"
#include "zorbel-engine/win32/SignalView.h"
#include "zorbel-engine/win32/WaveInput.h"

namespace zorbel::engine_side {

class EngineWindow : public win32::Window {
public:
    // refusedSettings: what LoadEngineSettings did not take from store, or "".
    EngineWindow(const EngineOptions& options, platform::SettingsStore& store, EngineSettings settings,
                 const std::wstring& refusedSettings);
    bool Create(HINSTANCE instance, int showCommand);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls();
    // Fonts and places for the screen's pixels per inch.
    void ApplyDpi(int dpi);
    void Layout();
    int LeastHeight() const;
    void FitOnScreen();
    void CheckMenu();

    void OnLinkCommand(WPARAM code, LPARAM value);
    void OnMenu(int id);
    void OpenWithDialog();
    void Play(const std::wstring& path);
    void Listen(int device);
    void StopInput();
    void FollowSoundCard(SoundCardWatch::Step step);

    void OnPlayTick();
    void OnDisplayTick();
    void OnRecorded(WPARAM device, LPARAM buffer);
    // Decodes, shows and queues the characters for the program.
    void Decode(std::span<const float> samples, double sampleRate);
    void Take(const std::string& text);

    void KeepModeSettings();
    void ChangeMode(const decoder::RttyMode& mode);
    void ChooseFindMode(bool findMode);
    void ChooseNavtex(bool navtex);
    void ChooseFax(bool fax);
    // Radiofax heard afresh from now on, with the deviation set; the charts are dated from here.
    void ListenForCharts();
    void CorrectChart(double slantPpm, double startShare);
    // Charts ended are saved, the chart under way shown.
    void FollowCharts();
    void SaveCharts();
    void ChoosePolarity(bool findPolarity, bool reversed);
    void ToggleUnshiftOnSpace();
    void ShowMode();
    void ShowMessage(const std::wstring& text);
    void AppendText(std::string_view ansiText);
    void AppendToPane(const std::wstring& shown);

    EngineSideLink link_;
    platform::SettingsStore& store_;
    EngineSettings settings_;  // as stored; the command line changes only this run
    // Put before the first message, so that it is read once.
    std::wstring startNote_;
    Receiver receiver_;
    bool fast_;
    bool repeat_;
    std::wstring startFile_;

    std::unique_ptr<WavPlayer> player_;
    std::wstring playing_;
    std::wstring lengthNote_;  // after the messages on the recording played, when its header was wrong
    WaveInput input_;
    SoundCardWatch soundCard_;
    std::wstring soundCardName_;
    std::vector<float> recorded_;
    engine::CharacterSender sender_;

    HWND modeLine_ = nullptr;
    std::wstring modeShown_;
    TextPaneLines paneLines_;
    HWND messageLine_ = nullptr;
    HWND text_ = nullptr;
    EngineMenu menu_;
    ChartPane chartPane_;
    std::vector<ReceivedChart> unsaved_;  // kept until the folder takes them
    unsigned chartTicks_ = 0;
    int chartsHeard_ = 0;  // since the input started
    ChartListWindow charts_{settings_, store_};
    std::vector<std::wstring> devices_;
    SignalView signal_;
    int dpi_ = 96;
    int wantedHeight_ = 0;  // outside, as opened or sized by the user
    win32::FontHandle uiFont_;
    win32::FontHandle textFont_;
};

}  // namespace zorbel::engine_side
