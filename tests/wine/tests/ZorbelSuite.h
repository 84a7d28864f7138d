// Base of every test group: one zorbel.exe run per group (each start costs
// its splash and some seconds), shared by the group's tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Probe.h"
#include "ZorbelProcess.h"

class ZorbelSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  static bench::ZorbelProcess& Zorbel() { return *zorbel_; }
  static HWND MainWindow() { return zorbel_->mainWindow(); }
  static HWND ControlOfMain(int controlId);
  // Hooked into zorbel on first use.
  static bench::Probe& ProbeOfZorbel();

 private:
  static std::unique_ptr<bench::ZorbelProcess> zorbel_;
  static std::unique_ptr<bench::Probe> probe_;
  static std::string startError_;
};
