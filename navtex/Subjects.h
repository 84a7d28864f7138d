#pragma once
// The subject of a NAVTEX message (its second header letter, B2) as a German
// listener reads it, and which subjects a receiver must always show.

#include <string_view>

namespace navtex {

// A, B ... L and V ... Z; the letters between are not given out.
bool IsSubjectLetter(char b2);

// The subject in German (UTF-8); "unbekannt" for a letter that is no subject.
std::string_view SubjectName(char b2);

// Navigational and meteorological warnings and search and rescue: a receiver
// may not let these be switched off.
bool SubjectCanBeFilteredOut(char b2);

// Search and rescue and piracy: set apart so that it cannot be missed.
bool SubjectIsAlarm(char b2);

}  // namespace navtex
