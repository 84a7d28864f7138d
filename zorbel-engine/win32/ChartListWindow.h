#pragma once
// "Wetterkarten": the weather charts received, newest first, with time,
// title, frequency and whether one was cut off, read from the chart folder's
// file names each time the window comes to the front; a chart opens in a
// window of its own (Enter or a double click). The folder opens in the file
// manager, and another can be chosen.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "weatherfax/ChartName.h"
#include "win32/ControlNotifications.h"
#include "win32/Handles.h"
#include "win32/Window.h"
#include "zorbel-engine/EngineSettings.h"
#include "zorbel-engine/win32/ChartViewer.h"

namespace zorbel::engine_side {

class ChartListWindow;

// The list control: a chart chosen (double click, Enter) opens.
class ChartList : public win32::NotifyingControl {
public:
    explicit ChartList(ChartListWindow& owner) : owner_(owner) {}
    void Create(HWND parent, HFONT font);
    HWND Hwnd() const override { return hwnd_; }
    std::optional<LRESULT> OnOwnNotify(const NMHDR& header) override;
    void Show(const std::vector<weatherfax::ListedChart>& charts);
    // The chart of the focused row, or none.
    int Chosen() const;

private:
    ChartListWindow& owner_;
    HWND hwnd_ = nullptr;
};

class ChartListWindow : public win32::Window {
public:
    // A folder chosen is kept in `settings` and stored.
    ChartListWindow(EngineSettings& settings, platform::SettingsStore& store)
        : settings_(settings), store_(store), list_(*this) {}
    // Shows the window (again), owned by `owner`, with the folder read afresh.
    void Open(HWND owner);
    void OpenChosenChart();
    // A chart in a window of its own, owned by `owner`.
    void OpenChart(HWND owner, decoder::GreyImage chart, const std::wstring& caption);
    // A chart saved shows at once where the list stands.
    void RefreshIfShown();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Create(HWND owner);
    void OnCommand(int id);
    void Layout();
    void Refresh();
    void ChooseFolder();
    void ShowFailure(const std::wstring& text);

    EngineSettings& settings_;
    platform::SettingsStore& store_;
    win32::FontHandle font_;
    HWND note_ = nullptr;
    ChartList list_;
    win32::ControlNotifications controlNotifications_;
    std::vector<weatherfax::ListedChart> charts_;
    std::vector<std::unique_ptr<ChartViewer>> viewers_;
};

}  // namespace zorbel::engine_side
