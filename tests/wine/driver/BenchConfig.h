// Where the bench finds what it drives, taken from the command line:
//   --zorbel-exe=<path>  --probe-dll=<path>  --work-root=<folder>
// and, for the groups that play the engine, --standin-exe=<path> (the
// stand-in) or --engine-exe=<path> (our engine program);
// --screenshot-dir=<folder> where launches leave pictures for a person;
// and, for the desktop screenshot only,
//   --ready-file=<path>  --release-file=<path>
// Paths are Linux paths (as CMake knows them) or Windows paths.
#pragma once

#include <string>
#include <string_view>

namespace bench {

struct BenchConfig {
  std::wstring zorbelExe;
  std::wstring probeDll;
  std::wstring workRoot;
  std::wstring standInExe;
  std::wstring engineExe;
  std::wstring screenshotDir;
  std::wstring readyFile;
  std::wstring releaseFile;
};

// Reads the options above from argv; returns an error text or "".
std::string ParseBenchConfig(int argc, char** argv);
const BenchConfig& Config();

// A Linux path as Wine names it (the Linux root is drive Z:); others unchanged.
std::wstring ToWindowsPath(std::string_view utf8Path);

}  // namespace bench
