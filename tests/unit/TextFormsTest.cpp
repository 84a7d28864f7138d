// The text forms around the settings store: code page 1252, switches, sizes, folder paths.

#include <gtest/gtest.h>

#include <set>

#include "codepage/Cp1252.h"
#include "config/FolderPath.h"
#include "config/SettingsText.h"

namespace zorbel {
namespace {

std::string Shown(const std::optional<std::wstring>& text) {
    return text ? testing::PrintToString(*text) : "nothing";
}

TEST(TextFormsTest, EveryCp1252ByteHasItsOwnCharacterAndComesBack) {
    std::string allBytes;
    for (int code = 0; code < 256; ++code) allBytes += static_cast<char>(code);
    const std::wstring wide = Cp1252ToWide(allBytes);

    EXPECT_EQ(WideToCp1252(wide), allBytes);
    EXPECT_EQ(std::set<wchar_t>(wide.begin(), wide.end()).size(), 256u);
    EXPECT_EQ(wide.substr(0x80, 1) + wide.substr(0x9F, 1) + wide.substr(0xC4, 1), L"€ŸÄ");
    for (const int unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(wide[unassigned], unassigned);
    EXPECT_EQ(WideToCp1252(L"Ω\u0080ж"), "???");
}

TEST(TextFormsTest, SwitchesAndSizesReadInEveryFormEarlierVersionsWrote) {
    const std::pair<std::optional<std::wstring>, int> switches[] = {
        {L"True", 1}, {L"wahr", 1}, {L"-1", 1}, {L"1", 1}, {L" True ", 1}, {L"FALSE", 0}, {L"Falsch", 0},
        {L"0", 0},    {L"Ja", 2},   {L"", 2},   {std::nullopt, 2}};  // 2: the fallback
    for (const auto& [stored, expected] : switches)
        for (const bool fallback : {false, true})
            EXPECT_EQ(ReadBoolean(stored, fallback), expected == 2 ? fallback : expected == 1) << Shown(stored);

    const std::pair<std::optional<std::wstring>, int> sizes[] = {
        {L"6075", 6075}, {L"7200,5", 7201}, {L"7200.4", 7200}, {L" 9000 ", 9000}, {L"-120", -120},
        {L"1e5", -1},    {L"abc", -1},      {L"12,5,3", -1},   {L"", -1},         {std::nullopt, -1},
        {L"99999999999999999999", 100000000}, {L"1." + std::wstring(330, L'0') + L"5", 1}};
    for (const auto& [stored, expected] : sizes) EXPECT_EQ(ReadTwips(stored, -1), expected) << Shown(stored);
}

TEST(TextFormsTest, FolderPathsSplitJoinAndUpperCase) {
    const auto split = SplitAtLastBackslash(L"C:\\DATEN\\WETTERBERICHTE");
    EXPECT_EQ(split.parent + L"|" + split.tail, L"C:\\DATEN|\\WETTERBERICHTE");
    EXPECT_EQ(UpperCase(L"Sonstige äöüÿß œ ł ı ж ё ως ÷"), L"SONSTIGE ÄÖÜŸß Œ Ł I Ж Ё ΩΣ ÷");

    for (const std::wstring_view good : {L"Wetterberichte", L".alt", L"Прогноз"})
        EXPECT_TRUE(IsValidFolderName(good)) << testing::PrintToString(std::wstring(good));
    for (const std::wstring_view bad :
         {L"", L"a\\b", L"a/b", L"a:b", L"a*", L"a?", L"\"a\"", L"<a>", L"a|b", L"a.", L"a ", L"a\tb"})
        EXPECT_FALSE(IsValidFolderName(bad)) << testing::PrintToString(std::wstring(bad));
}

}  // namespace
}  // namespace zorbel
