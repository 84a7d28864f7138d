// The NAVTEX memory's folding (72 hours, serial 00, the 4 % rule), its stored text, and the coast stations.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "navtex/MessageMemory.h"
#include "navtex/StationTable.h"

namespace navtex {
namespace {

constexpr UtcSeconds kHour = 3600;

NavtexMessage Message(const std::string& id, std::size_t wrongPer100, bool complete = true) {
    return {id, false, complete, "TEXT OF " + id, 100, wrongPer100};
}

std::string Rows(const MessageMemory& memory) {
    std::string rows;
    for (const StoredMessage& s : memory.Messages()) {
        rows += std::to_string(s.frequencyHz / 1000) + ' ' + s.message.id + ' ' + std::to_string(s.message.wrong) +
                (s.message.complete ? "" : " unvollständig") + " x" + std::to_string(s.timesReceived) + '\n';
    }
    return rows;
}

TEST(NavtexMemory, RepeatsFoldWithin72HoursPoorCopiesAreReplacedAndForeignStoredTextIsRefused) {
    struct Arrive {
        int frequencyHz;
        NavtexMessage message;
        UtcSeconds hour;
        Arrival expected;
    };
    const std::vector<Arrive> arrivals = {
        {k518kHz, Message("SA01", 0), 0, Arrival::kShown},
        {k518kHz, Message("SA01", 9), 4, Arrival::kFolded},
        {k490kHz, Message("SA01", 0), 5, Arrival::kShown},   // same identity, other frequency
        {k518kHz, Message("SA00", 0), 6, Arrival::kShown},   // serial 00 always
        {k518kHz, Message("SA00", 0), 6, Arrival::kShown},
        {k518kHz, Message("S*02", 0), 7, Arrival::kShown},   // identity unknown: cannot be a repeat
        {k518kHz, Message("S*02", 0), 7, Arrival::kShown},
        {k518kHz, Message("SB03", 10), 8, Arrival::kShown},  // 10 % wrong, then better, then good enough
        {k518kHz, Message("SB03", 12), 9, Arrival::kFolded},
        {k518kHz, Message("SB03", 1), 12, Arrival::kReplaced},
        {k518kHz, Message("SB03", 0), 16, Arrival::kFolded},
        {k518kHz, Message("SE04", 4), 8, Arrival::kShown},   // 4 % is good enough
        {k518kHz, Message("SE04", 0), 12, Arrival::kFolded},
        {k518kHz, Message("SE05", 0, false), 8, Arrival::kShown},  // lost its end
        {k518kHz, Message("SE05", 2), 12, Arrival::kReplaced},
        {k518kHz, Message("SA01", 0), 71, Arrival::kFolded},
        {k518kHz, Message("SA01", 0), 72, Arrival::kShown},  // 72 hours after the first: shown again
    };
    MessageMemory memory;
    std::string outcomes, expected;
    for (const Arrive& a : arrivals) {
        outcomes += std::to_string(static_cast<int>(memory.Receive(a.frequencyHz, a.message, a.hour * kHour)));
        expected += std::to_string(static_cast<int>(a.expected));
    }
    EXPECT_EQ(expected, outcomes) << Rows(memory);
    EXPECT_EQ(
        "518 SA01 0 x3\n490 SA01 0 x1\n518 SA00 0 x1\n518 SA00 0 x1\n518 S*02 0 x1\n518 S*02 0 x1\n518 SB03 1 x4\n"
        "518 SE04 4 x2\n518 SE05 2 x2\n518 SA01 0 x1\n",
        Rows(memory));

    // Kept for the next start exactly, and every row of it.
    MessageMemory unusual;
    NavtexMessage odd = Message("SD06", 3, false);
    odd.headerRecovered = true;
    odd.text = "LINE\r\n\nNNN 5 9\n";
    unusual.Receive(k4209kHz, odd, -5);
    for (const MessageMemory* m : {&memory, &unusual}) {
        const std::optional<MessageMemory> loaded = MessageMemory::Load(m->Save());
        ASSERT_TRUE(loaded) << m->Save();
        EXPECT_EQ(m->Save(), loaded->Save());
    }
    // Stored text that Save did not write is refused.
    MessageMemory one;
    one.Receive(k518kHz, Message("SA01", 2), 0);
    const std::string good = one.Save();
    const std::string header = "ZORBEL NAVTEX 1\n";
    ASSERT_EQ(header + "518000 SA01 0 0 1 0 1 100 2 12\nTEXT OF SA01\n", good);
    for (const std::string& bad : {
             std::string(), std::string("ZORBEL NAVTEX 2\n"), good.substr(0, good.size() - 1),
             good.substr(0, good.size() - 5), good + "518000",
             header + "518000 SA01 0 0 1 0 1 100 2 99\nTEXT OF SA01\n",      // text shorter than said
             header + "518000 SP01 0 0 1 0 1 100 2 12\nTEXT OF SA01\n",      // P is no subject
             header + "518000 SA01 0 0 0 0 1 100 2 12\nTEXT OF SA01\n",      // received no time
             header + "518000 SA01 9 0 1 0 1 100 2 12\nTEXT OF SA01\n",      // last before first
             header + "518000 SA01 0 0 1 0 1 100 200 12\nTEXT OF SA01\n",    // more wrong than counted
             header + "518000 SA01 0 0 1 2 1 100 2 12\nTEXT OF SA01\n",      // a flag neither 0 nor 1
             header + "-518000 SA01 0 0 1 0 1 100 2 12\nTEXT OF SA01\n",
             header + "518000 SA01 0 0 1 0 1 100 2 99999999999999999999\nTEXT\n",
         }) {
        EXPECT_FALSE(MessageMemory::Load(bad)) << bad;
    }
}

TEST(NavtexStations, KeyedByFrequencyAndLetterWithTheirNextBroadcast) {
    struct Case {
        int frequencyHz;
        char letter;
        int utcMinute;  // of 7 December 2026
        std::string expected;  // name, verify, next broadcast as day and minute
    };
    constexpr UtcSeconds k7Dec2026 = 1796601600;
    for (const Case& c : std::vector<Case>{
             {k518kHz, 'L', 0, "Rogaland 7 01:50"},
             {k490kHz, 'L', 0, "Pinneberg (verify) 7 01:50"},  // the slot rule
             {k518kHz, 'S', 179, "Pinneberg 7 03:00"}, {k518kHz, 'S', 180, "Pinneberg 7 03:00"},
             {k518kHz, 'S', 181, "Pinneberg 7 07:00"}, {k518kHz, 'S', 23 * 60 + 1, "Pinneberg 8 03:00"},
             {k518kHz, 'E', 41, "Niton 7 04:40"}, {k518kHz, 'U', 23 * 60 + 30, "Tallinn 8 03:20"},
             {k4209kHz, 'S', 0, "none"}, {k518kHz, 'Y', 0, "none"}}) {
        const Station* station = FindStation(c.frequencyHz, c.letter);
        std::string found = "none";
        if (station) {
            const UtcSeconds next = NextBroadcast(*station, k7Dec2026 + c.utcMinute * 60) - k7Dec2026;
            char when[32];
            std::snprintf(when, sizeof when, " %d %02d:%02d", 7 + static_cast<int>(next / 86400),
                          static_cast<int>(next % 86400 / 3600), static_cast<int>(next % 3600 / 60));
            found = std::string(station->name) + (station->timesToVerify ? " (verify)" : "") + when;
        }
        EXPECT_EQ(c.expected, found) << c.frequencyHz << ' ' << c.letter << ' ' << c.utcMinute;
    }
    EXPECT_EQ((std::array<int, kBroadcastsPerDay>{230, 470, 710, 950, 1190, 1430}), SlotMinutes('X'));

    // The letter a header lost, from the slot the message came in.
    struct OnAir {
        int frequencyHz;
        int utcMinute;
        char expected;  // '-' for none
    };
    for (const OnAir& c : std::vector<OnAir>{{k518kHz, 7 * 60 + 9, 'S'},
                                             {k518kHz, 7 * 60 + 10, 'T'},
                                             {k490kHz, 9 * 60 + 55, 'L'},
                                             {k518kHz, 12 * 60 + 5, '-'},   // A's slot: none in the area
                                             {k4209kHz, 7 * 60, '-'}}) {
        const Station* station = StationOnAir(c.frequencyHz, k7Dec2026 + c.utcMinute * 60);
        EXPECT_EQ(c.expected, station ? station->letter : '-') << c.frequencyHz << ' ' << c.utcMinute;
    }
}

}  // namespace
}  // namespace navtex
