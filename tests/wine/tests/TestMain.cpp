// Entry of the Wine integration tests: GoogleTest's flags first, then the
// bench's own (see BenchConfig.h).
#include <gtest/gtest.h>

#include <cstdio>

#include "BenchConfig.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::string error = bench::ParseBenchConfig(argc, argv);
  if (!error.empty()) {
    std::fprintf(stderr, "zorbel_wine_tests: %s\n", error.c_str());
    return 2;
  }
  return RUN_ALL_TESTS();
}
