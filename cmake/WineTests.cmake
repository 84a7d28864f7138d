# Decides whether the Wine integration tests exist. They cross-build
# GoogleTest from its sources and drive zorbel.exe under `wine`, so they are on
# by default only where both are at hand (a cross build on Linux). A Windows
# host has neither; there the program and its tools build without them.

set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, cross-built for the Wine tests")
# The tests call `wine` by name, so only the PATH counts (not CMake's system
# prefixes, which would find /usr/bin/wine even when the PATH leaves it out).
find_program(WINE_PROGRAM wine PATHS ENV PATH NO_DEFAULT_PATH)

set(wine_tests_missing "")
if(NOT EXISTS "${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt")
  list(APPEND wine_tests_missing "no GoogleTest sources in GOOGLETEST_SOURCE_DIR=${GOOGLETEST_SOURCE_DIR}")
endif()
if(NOT WINE_PROGRAM)
  list(APPEND wine_tests_missing "no wine on the PATH")
endif()

if(wine_tests_missing)
  set(wine_tests_default OFF)
else()
  set(wine_tests_default ON)
endif()
option(ZORBEL_WINE_TESTS "Build the integration tests that drive zorbel.exe under Wine" ${wine_tests_default})

list(JOIN wine_tests_missing "; " missing_text)
if(ZORBEL_WINE_TESTS AND wine_tests_missing)
  message(FATAL_ERROR "ZORBEL_WINE_TESTS is ON, but the Wine tests cannot be built: ${missing_text}")
elseif(ZORBEL_WINE_TESTS)
  message(STATUS "Wine tests: on (GoogleTest from ${GOOGLETEST_SOURCE_DIR}, ${WINE_PROGRAM})")
elseif(wine_tests_missing)
  message(STATUS "Wine tests: off (${missing_text}); building the program and its tools only")
else()
  message(STATUS "Wine tests: off (ZORBEL_WINE_TESTS=OFF)")
endif()
