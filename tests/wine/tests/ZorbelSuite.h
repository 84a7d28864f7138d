// Base of every test group: one zorbel.exe run per group (each start costs
// its splash and some seconds), shared by the group's tests, which run in
// the order they are written and build on each other. One reader per kind
// of window content: the Rx window, status panels, message boxes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "MessageBoxes.h"
#include "Poll.h"
#include "Probe.h"
#include "StandInEngine.h"
#include "ZorbelProcess.h"

class ZorbelSuite : public ::testing::Test {
 protected:
  static constexpr bench::milliseconds kBound{10000};

  static void SetUpTestSuite() { StartZorbel({}); }
  // For groups that play the engine: zorbel finds the stand-in with these
  // options in its working folder, and `files` (name, bytes) beside it;
  // `alsoSetUp` adds to the folder or the store before the start.
  static void StartWithStandIn(const std::wstring& options,
                               const std::vector<std::pair<std::wstring, std::string>>& files = {},
                               bench::StandInStart start = bench::StandInStart::Call,
                               const bench::ZorbelProcess::FolderSetup& alsoSetUp = {});
  static void StartZorbel(const bench::ZorbelProcess::FolderSetup& setup, bool waitForMainWindow = true);
  // After zorbel ended: started again in its folder with the settings it stored.
  static void StartAgain();
  static void TearDownTestSuite();
  void SetUp() override;

  static bench::ZorbelProcess& Zorbel() { return *zorbel_; }
  static HWND MainWindow() { return zorbel_->mainWindow(); }
  static HWND ControlOfMain(int controlId);
  // UTF-8 here and below, for readable failure messages.
  static std::string ControlText(int controlId);
  static std::string PanelText(int panel);  // panels count from 0
  // The Rx window's lines without their ends.
  static std::vector<std::string> RxLines();

  static bench::Probe& ProbeOfZorbel();  // hooked into zorbel on first use
  // The main menu as the probe renders it (see probe/MenuDump.h).
  static std::wstring ReadMenu();
  // Opens the popups along the item positions as a user would, then reads the menu.
  static std::wstring OpenMenuPopup(const std::vector<int>& positions);
  // The first menu line that starts with `caption`, indent left out.
  static std::string MenuEntry(const std::wstring& menu, const std::wstring& caption);
  static bool MenuEnabled(const std::wstring& menu, const std::wstring& caption);
  static bool MenuChecked(const std::wstring& caption);
  // Returns once zorbel has handled everything posted to it before.
  static void WaitUntilHandled();
  // Clicks the record button; whether its caption became `caption` (bounded wait).
  static bool ClickRecordButtonUntil(const std::string& caption);

  static std::optional<bench::MessageBoxContent> NextBox(bench::milliseconds bound = kBound);
  static std::string IconOfBox();  // "question", "information", ...
  static std::string NoBoxes();    // "" or what the visible boxes say
  // The next box's title (whole: "title|text|icon|buttons"), answered with
  // `caption`; "" when none came.
  static std::string AnswerNext(std::wstring_view caption, bool whole = false);

  // Waits for a file dialog of the process (zorbel's by default), types the
  // path into its name field and presses OK; returns the dialog's title and
  // the name it proposed.
  static std::string ChooseInFileDialog(const std::wstring& path, DWORD processId = 0);

  static std::wstring InWorkingFolder(const std::wstring& name);
  // Once `window` has nothing left to paint, saves `area` (by default the
  // window) as `name` in the screenshot folder, for a person to judge; returns
  // an error text, or "" (also when the run keeps no pictures).
  static std::string SaveScreenshot(HWND window, const std::wstring& name, std::optional<RECT> area = {});
  static bench::StandInLog Log();
  // The stand-in's log line for the handshake: the engine has zorbel's window.
  static std::string HandshakeLine();

 private:

  static std::unique_ptr<bench::ZorbelProcess> zorbel_;
  static std::unique_ptr<bench::Probe> probe_;
  static std::string startError_;
};

SYSTEMTIME LocalNow();
// "<type> EDZW <DD>0600": a bulletin of today's UTC day.
std::string BulletinHeader(const std::string& type);

// The lines with the local date and time of a second between `since` and
// now, as the locale writes them, replaced by "<Zeit>"; other times stay.
std::vector<std::string> TimesMarked(std::vector<std::string> lines, const SYSTEMTIME& since);
