#include "EngineSuite.h"

#include "RichEditText.h"
#include "TextConversion.h"
#include "WindowQueries.h"
#include "resource.h"

void EngineSuite::StartWithStandIn(const std::wstring& options,
                                   const std::vector<std::pair<std::wstring, std::string>>& files) {
  StartZorbel([&](const std::wstring& folder) {
    for (const auto& [name, bytes] : files) bench::WriteFileBytes(folder + L"\\" + name, bytes);
    bench::PlaceStandInEngine(folder, options);
  });
}

std::wstring EngineSuite::InWorkingFolder(const std::wstring& name) {
  return Zorbel().workingFolder() + L"\\" + name;
}

bench::StandInLog EngineSuite::Log() { return bench::StandInLog(InWorkingFolder(bench::kStandInLogName)); }

std::string EngineSuite::ControlText(int controlId) {
  return bench::WideToUtf8(bench::WindowText(ControlOfMain(controlId)));
}

std::vector<std::string> EngineSuite::RxTextLines() {
  const std::string text =
      bench::WideToUtf8(bench::RichEditText(Zorbel().process(), ControlOfMain(IDC_RICHTEXTBOX1)));
  std::vector<std::string> lines;
  std::string line;
  for (const char c : text) {
    if (c == '\r') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool EngineSuite::EngineHiddenChecked() {
  const bench::MenuItem* item = bench::FindMenuItem(ReadMenu(), IDM_ENGINEAUS);
  return item && item->checked;
}
