#pragma once
// Numbers written and read the way the program's earlier BASIC runtime did,
// so that prompts, default texts and accepted entries stay as users know them.

#include <cstdint>
#include <string>
#include <string_view>

namespace zorbel {

// Str: a leading blank for numbers that are not negative.
std::string FormatStr(std::int64_t number);

// Str(sum / 2) with the division exact: a half is written ".5", without a
// zero in front: a sum of 1 gives " .5", -1 gives "-.5".
std::string FormatStrOfHalf(std::int64_t sum);

// Val: blanks, tabs and line feeds are skipped anywhere; then an optional
// sign, digits with at most one decimal point and an optional exponent
// (E or D). Reading stops at the first character that does not fit; a text
// without a leading number gives 0.
double ReadVal(std::string_view text);

// Nearest integer, ties to the even neighbour (1000.5 -> 1000, 1001.5 -> 1002).
double RoundHalfEven(double number);

}  // namespace zorbel
