// The memory load as zorbel shows it in status panel 3.
#pragma once

#include <gtest/gtest.h>

#include <string>

// The load may move a little between zorbel's reading and ours.
inline constexpr unsigned kMemoryLoadTolerance = 5;

unsigned CurrentMemoryLoad();

// `panel` reads "Speicherauslastung: <load> %" with a load near the current one.
::testing::AssertionResult IsMemoryLoadPanel(const std::string& panel);
