#include "ZorbelSuite.h"

#include <stdexcept>

#include "TextConversion.h"
#include "WindowQueries.h"

std::unique_ptr<bench::ZorbelProcess> ZorbelSuite::zorbel_;
std::unique_ptr<bench::Probe> ZorbelSuite::probe_;
std::string ZorbelSuite::startError_;

void ZorbelSuite::SetUpTestSuite() {
  const std::string group = ::testing::UnitTest::GetInstance()->current_test_suite()->name();
  try {
    zorbel_ = std::make_unique<bench::ZorbelProcess>(bench::Utf8ToWide(group));
    startError_.clear();
  } catch (const std::exception& error) {
    startError_ = error.what();
  }
}

void ZorbelSuite::TearDownTestSuite() {
  probe_.reset();
  zorbel_.reset();
}

void ZorbelSuite::SetUp() {
  ASSERT_TRUE(zorbel_) << startError_;
  ASSERT_FALSE(zorbel_->HasExited()) << "zorbel.exe has ended during the tests";
}

HWND ZorbelSuite::ControlOfMain(int controlId) { return bench::Control(MainWindow(), controlId); }

bench::Probe& ZorbelSuite::ProbeOfZorbel() {
  if (!probe_) probe_ = std::make_unique<bench::Probe>(*zorbel_);
  return *probe_;
}
