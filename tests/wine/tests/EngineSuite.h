// Base of the groups that run zorbel with the stand-in engine playing MMTTY
// in its working folder, with what they read: the stand-in's log, the Rx
// window and the check mark of "Engine &unsichtbar".
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Poll.h"
#include "StandInEngine.h"
#include "ZorbelSuite.h"

class EngineSuite : public ZorbelSuite {
 protected:
  static constexpr bench::milliseconds kEngineBound{10000};

  // Call from a group's SetUpTestSuite: zorbel starts the stand-in with
  // these options; `files` (name, bytes) are written into the working
  // folder first.
  static void StartWithStandIn(const std::wstring& options,
                               const std::vector<std::pair<std::wstring, std::string>>& files = {});

  static std::wstring InWorkingFolder(const std::wstring& name);
  static bench::StandInLog Log();
  static std::size_t LogSize() { return Log().Lines().size(); }

  // UTF-8, for readable failure messages.
  static std::string ControlText(int controlId);
  // The Rx window's lines without their ends, read through a buffer inside
  // zorbel.
  static std::vector<std::string> RxTextLines();
  static bool EngineHiddenChecked();
};
