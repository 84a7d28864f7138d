// NAVTEX messages found in decoded characters: damaged headers, foreign numbering, lost ends, error rate.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "navtex/MessageReader.h"
#include "navtex/Subjects.h"

namespace navtex {
namespace {

// Every message read, one line each: identity, how its header and end came, wrong / counted characters, its text.
std::string ReadAll(const std::string& characters) {
    MessageReader reader;
    std::vector<NavtexMessage> messages = reader.Read(characters);
    if (std::optional<NavtexMessage> last = reader.EndOfSignal()) messages.push_back(*last);
    std::string read;
    for (const NavtexMessage& m : messages) {
        read += m.id + (m.headerRecovered ? " recovered" : " exact") + (m.complete ? " end " : " unvollständig ") +
                std::to_string(m.wrong) + "/" + std::to_string(m.characters) + " [" + m.text + "]\n";
    }
    return read;
}

TEST(NavtexReader, FindsMessagesRecoversDamagedHeadersAndClosesAnEndlessOneAtItsLongest) {
    struct Case {
        std::string characters, expected;
    };
    for (const Case& c : std::vector<Case>{
             {"RYRY\r\nZCZC SA01\r\nGALE WARNING\r\nNNNN\r\n", "SA01 exact end 0/21 [GALE WARNING]\n"},
             // One or two characters erased or wrong; a lost shift read back.
             {"ZC*C SA01\r\nGALE\r\nNNNN", "SA01 recovered end 1/13 [GALE]\n"},
             {"ZCZC SAQP\r\nGALE\r\nNNNN", "SA10 recovered end 2/13 [GALE]\n"},
             {"ZCZC '-01\r\nGALE\r\nNNNN", "SA01 recovered end 2/13 [GALE]\n"},
             {"XCZC SE0*\nFOG\nNNNN", "SE0* recovered end 2/12 [FOG]\n"},
             {"ZCZC S*01 ICE\r\nNNNN", "S*01 recovered end 1/12 [ICE]\n"},
             // A character dropped rather than erased.
             {"NNNN\r\nZCZC D00\r\nMAYDAY\r\nNNNN", "*D00 recovered end 1/15 [MAYDAY]\n"},
             {"ZCC SA01\r\nGALE\r\nNNNN", "SA01 recovered end 1/13 [GALE]\n"},
             // Three damaged (a letter where a figure must be counts), the weather service's numbering: no header.
             {"Z*Z* S*01\r\nGALE\r\nNNNN", ""}, {"ZC*C SAXY\r\nGALE\r\nNNNN", ""},
             {"ZCZC 104\r\nSMDL01 EDZW 070600\r\nNNNN\r\n", ""}, {"ZCZC 1045\r\nFQEN70 EDZW\r\nNNNN\r\n", ""},
             {"ZCZC 10\r\nFQEN70 EDZW\r\nNNNN\r\n", ""}, {"ZCZC SA01X\r\nNNNN", ""},
             // Lost ends: the next header, the end of the signal.
             {"ZCZC SA01\r\nONE\r\nZCZC SE02\r\nTWO\r\nNNNN\r\n",
              "SA01 exact unvollständig 0/12 [ONE]\nSE02 exact end 0/12 [TWO]\n"},
             {"ZCZC SB03\r\nSTORM", "SB03 exact unvollständig 0/14 [STORM]\n"},
             {"ZCZC SB03\r\nSTORM\r\nN*NN\r\nZCZC", "SB03 exact end 0/14 [STORM]\n"},
             // Erased and doubtful characters count as wrong; garbage around messages is no message.
             {"*QX ZC\r\nZCZC SE05\r\nW*ND nw 5\r\nNNNN\r\nE*TT NNN", "SE05 exact end 3/18 [W*ND nw 5]\n"},
         }) {
        EXPECT_EQ(c.expected, ReadAll(c.characters)) << c.characters;
    }
    const std::string endless = "ZCZC SA01\r\n" + std::string(3 * kLongestText, 'A');
    MessageReader reader;
    const std::vector<NavtexMessage> messages = reader.Read(endless + "ZCZC SB02\r\nGALE\r\nNNNN");
    ASSERT_EQ(2u, messages.size());
    EXPECT_FALSE(messages[0].complete);
    EXPECT_LE(messages[0].text.size(), kLongestText + 1);
    EXPECT_EQ("SB02 GALE", messages[1].id + ' ' + messages[1].text);
}

TEST(NavtexSubjects, GermanNamesAndTheSubjectsThatMustStay) {
    struct Case {
        char letter;
        std::string name;
        bool filterable, alarm;
    };
    for (const Case& c : std::vector<Case>{
             {'A', "Navigationswarnung", false, false}, {'B', "Wetterwarnung", false, false},
             {'C', "Eisbericht", true, false}, {'D', "Seenot/Piraterie", false, true},
             {'E', "Wettervorhersage", true, false}, {'L', "Navigationswarnung (Ergänzung)", false, false},
             {'V', "Sonderdienst", true, false}, {'Z', "keine Meldung", true, false}, {'P', "unbekannt", false, false},
             {kUnknown, "unbekannt", false, false}}) {
        EXPECT_EQ(c.name + (c.filterable ? " filterable" : "") + (c.alarm ? " alarm" : ""),
                  std::string(SubjectName(c.letter)) + (SubjectCanBeFilteredOut(c.letter) ? " filterable" : "") +
                      (SubjectIsAlarm(c.letter) ? " alarm" : ""))
            << c.letter;
    }
}

}  // namespace
}  // namespace navtex
