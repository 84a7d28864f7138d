#include "navtex/Subjects.h"

namespace navtex {

bool IsSubjectLetter(char b2) { return (b2 >= 'A' && b2 <= 'L') || (b2 >= 'V' && b2 <= 'Z'); }

std::string_view SubjectName(char b2) {
    switch (b2) {
        case 'A': return "Navigationswarnung";
        case 'B': return "Wetterwarnung";
        case 'C': return "Eisbericht";
        case 'D': return "Seenot/Piraterie";
        case 'E': return "Wettervorhersage";
        case 'F': return "Lotsendienst";
        case 'G': return "AIS";
        case 'H': return "LORAN";
        case 'I': return "frei (früher Omega)";
        case 'J': return "Satellitennavigation";
        case 'K': return "andere Navigationshilfen";
        case 'L': return "Navigationswarnung (Ergänzung)";
        case 'V':
        case 'W':
        case 'X':
        case 'Y': return "Sonderdienst";
        case 'Z': return "keine Meldung";
        default: return "unbekannt";
    }
}

// A subject lost in the header might be any of the four, so it stays too.
bool SubjectCanBeFilteredOut(char b2) {
    return IsSubjectLetter(b2) && b2 != 'A' && b2 != 'B' && b2 != 'D' && b2 != 'L';
}

bool SubjectIsAlarm(char b2) { return b2 == 'D'; }

}  // namespace navtex
