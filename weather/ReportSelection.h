#pragma once
// What "Wetter lesen" reads of a selection in the received text: report
// lines selected without the AAXX or BBXX line they stand under get the
// nearest one above them, with its bulletin heading, so that they read as
// the reports they are.

#include <cstddef>
#include <string>
#include <string_view>

namespace weather {

// `begin` and `end` count characters of `cp1252Text` as the Rx window
// counts them. A selection that starts inside a line reads the whole line.
std::string SelectionWithItsSection(std::string_view cp1252Text, std::size_t begin, std::size_t end);

}  // namespace weather
