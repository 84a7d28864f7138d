// Base of every test group: one zorbel.exe run per group (each start costs
// its splash and some seconds), shared by the group's tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MenuTree.h"
#include "Probe.h"
#include "ZorbelProcess.h"

class ZorbelSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  // For groups that prepare zorbel's working folder: call from their own
  // SetUpTestSuite instead of the one above.
  static void StartZorbel(const bench::ZorbelProcess::FolderSetup& setup);
  static void TearDownTestSuite();
  void SetUp() override;

  static bench::ZorbelProcess& Zorbel() { return *zorbel_; }
  static HWND MainWindow() { return zorbel_->mainWindow(); }
  static HWND ControlOfMain(int controlId);
  // Hooked into zorbel on first use.
  static bench::Probe& ProbeOfZorbel();

  static std::vector<bench::MenuItem> ReadMenu();
  // Opens the popups along the caption path as a user would, then reads the
  // menu.
  static std::vector<bench::MenuItem> OpenMenuPopup(const std::vector<std::wstring>& captionPath);
  // Returns once zorbel has handled everything posted to it before.
  static void WaitUntilHandled();
  // Panel numbers count from 0; UTF-8 for readable failure messages.
  static std::string PanelText(int panel);

 private:
  static std::unique_ptr<bench::ZorbelProcess> zorbel_;
  static std::unique_ptr<bench::Probe> probe_;
  static std::string startError_;
};
