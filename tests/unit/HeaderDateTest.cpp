// The bulletin date from the header group, in display and file form.

#include <gtest/gtest.h>

#include "capture/HeaderDate.h"
#include "codepage/Utf8.h"
#include "fakes/FakeSystem.h"

namespace zorbel {
namespace {

TEST(HeaderDateTest, DateOfTheHeaderGroupInUtcOrTheZeroDate) {
    using platform::DateTime;
    struct Row {
        DateTime utcNow;
        const char* line;
        const char* fileForm;
        const char* displayForm;  // nullptr: not asked
    };
    const DateTime dec5{2026, 12, 5, 12, 3, 10};
    const Row rows[] = {
        {dec5, "SMDL01 EDZW 051245\n", "05Dez2026-1200", "05.Dez.2026-12:00"},  // minutes always 00
        {{2027, 1, 1, 0, 10, 0}, "SMDL01 EDZW 310600\n", "31Dez2026-0600", nullptr},  // a day ahead: last month
        {{2027, 1, 1, 0, 10, 0}, "SMDL01 EDZW 010000\n", "01Jan2027-0000", nullptr},
        {{2026, 12, 1, 3, 0, 0}, "EDZW 301800", "30Nov2026-1800", nullptr},
        {{2026, 12, 31, 23, 30, 0}, "EDZW 312300", "31Dez2026-2300", nullptr},  // UTC, while local is January
        {{2027, 3, 1, 6, 0, 0}, "EDZW 290600", "30Dez1899-0000", "30.Dez.1899-00:00"},  // no 29 February
        {{2028, 3, 1, 6, 0, 0}, "EDZW 290600", "29Feb2028-0600", nullptr},
        {dec5, "SMDL01 051200", "30Dez1899-0000", nullptr},  // without EDZW the line loses three characters
        {dec5, "SMDL01 EDZW", "30Dez1899-0000", nullptr},
        {dec5, "SMDL01 EDZW 001200", "30Dez1899-0000", nullptr},
        {dec5, "SMDL01 EDZW051200", "30Dez1899-0000", nullptr},  // no blank: the day reads 051
        {dec5, "EDZW 05xx00", "05Dez2026-0000", nullptr},        // an hour that is no time: midnight
        {dec5, "EDZW 052500", "05Dez2026-0000", nullptr},
        {dec5, "EDZW 05\n", "05Dez2026-0000", nullptr},
        {dec5, "EDZW 05-100", "05Dez2026-0000", nullptr},
        {dec5, "   ", "05Dez2026-1200", nullptr},  // blanks only: now
        {dec5, "\n", "30Dez1899-0000", nullptr},   // only blanks count as empty
    };
    fakes::FakeClock clock;
    fakes::FakeGermanLocale locale;
    const HeaderDate headerDate{clock, locale};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        clock.SetUtc(row.utcNow);
        clock.local.month = 1;  // never the local month
        EXPECT_EQ(EncodeUtf8(headerDate.HeaderDateText(row.line, DateForm::File)), row.fileForm);
        if (row.displayForm) {
            EXPECT_EQ(EncodeUtf8(headerDate.HeaderDateText(row.line, DateForm::Display)), row.displayForm);
        }
    }

    // The locale's month name whatever its script: no code page in between.
    clock.SetUtc({2026, 10, 5, 12, 0, 0});
    locale.monthNames[9] = L"10月";
    EXPECT_EQ(EncodeUtf8(headerDate.HeaderDateText("EDZW 051200", DateForm::Display)), "05.10月.2026-12:00");
    EXPECT_EQ(EncodeUtf8(headerDate.HeaderDateText("EDZW 051200", DateForm::File)), "0510月2026-1200");
}

}  // namespace
}  // namespace zorbel
