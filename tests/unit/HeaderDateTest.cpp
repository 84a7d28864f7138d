// The bulletin date from the header group, in display and file form.

#include <gtest/gtest.h>

#include "capture/HeaderDate.h"
#include "config/Utf8.h"
#include "fakes/FakeSystem.h"

namespace zorbel {
namespace {

class HeaderDateTest : public ::testing::Test {
protected:
    std::string FileForm(std::string_view line) { return EncodeUtf8(headerDate.HeaderDateText(line, DateForm::File)); }
    std::string DisplayForm(std::string_view line) {
        return EncodeUtf8(headerDate.HeaderDateText(line, DateForm::Display));
    }

    fakes::FakeClock clock;  // 5 December 2026, 12:03:10 UTC
    fakes::FakeGermanLocale locale;
    HeaderDate headerDate{clock, locale};
};

TEST_F(HeaderDateTest, MonthAndYearAreTodaysInUtcOrLastMonthsForADayAhead) {
    clock.SetUtc({2027, 1, 1, 0, 10, 0});
    EXPECT_EQ(FileForm("SMDL01 EDZW 310600\n"), "31Dez2026-0600");
    EXPECT_EQ(FileForm("SMDL01 EDZW 010000\n"), "01Jan2027-0000") << "today's day stays in this month";
    clock.SetUtc({2026, 12, 1, 3, 0, 0});
    EXPECT_EQ(FileForm("EDZW 301800"), "30Nov2026-1800");

    clock.utc = {2026, 12, 31, 23, 30, 0};
    clock.local = {2027, 1, 1, 0, 30, 0};
    EXPECT_EQ(FileForm("EDZW 312300"), "31Dez2026-2300") << "not the local month";

    clock.SetUtc({2027, 3, 1, 6, 0, 0});
    EXPECT_EQ(FileForm("EDZW 290600"), "30Dez1899-0000") << "no 29 February in 2027: the zero date";
    EXPECT_EQ(DisplayForm("EDZW 290600"), "30.Dez.1899-00:00");
    clock.SetUtc({2028, 3, 1, 6, 0, 0});
    EXPECT_EQ(FileForm("EDZW 290600"), "29Feb2028-0600");

    // The locale's month name whatever its script: no code page in between.
    clock.SetUtc({2026, 10, 5, 12, 0, 0});
    locale.monthNames[9] = L"paź";
    EXPECT_EQ(FileForm("EDZW 051200"), "05paź2026-1200");
    locale.monthNames[9] = L"10月";
    EXPECT_EQ(DisplayForm("EDZW 051200"), "05.10月.2026-12:00");
}

TEST_F(HeaderDateTest, TextsThatAreNoDateGiveTheZeroDateAndAnHourThatIsNoTimeMidnight) {
    EXPECT_EQ(FileForm("SMDL01 051200"), "30Dez1899-0000") << "without EDZW the line loses three characters";
    EXPECT_EQ(FileForm("SMDL01 EDZW"), "30Dez1899-0000") << "nothing behind EDZW";
    EXPECT_EQ(FileForm("SMDL01 EDZW 001200"), "30Dez1899-0000");
    EXPECT_EQ(FileForm("SMDL01 EDZW051200"), "30Dez1899-0000") << "no blank: the day reads 051";
    for (const char* line : {"EDZW 05xx00", "EDZW 052500", "EDZW 05\n", "EDZW 05-100"})
        EXPECT_EQ(FileForm(line), "05Dez2026-0000") << line;
}

TEST_F(HeaderDateTest, BlankLineIsReplacedByAnUnknownHeaderOfNow) {
    EXPECT_EQ(FileForm("   "), "05Dez2026-1200");
    EXPECT_EQ(FileForm("\n"), "30Dez1899-0000") << "only blanks count as empty";
}

}  // namespace
}  // namespace zorbel
