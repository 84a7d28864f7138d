// The list text format and editing the word lists by keys.

#include <gtest/gtest.h>

#include "config/ListText.h"
#include "config/WordLists.h"
#include "fakes/FakeWordListView.h"

namespace zorbel {
namespace {

using Entries = std::vector<std::string>;

TEST(ListTextTest, EveryEntryEndsWithAComma) {
    EXPECT_EQ(ParseListText("NNNN,RYRYRY,ZCZC,"), (Entries{"NNNN", "RYRYRY", "ZCZC"}));
    EXPECT_EQ(ParseListText("NNNN,RYRYRY,ZCZC"), (Entries{"NNNN", "RYRYRY"})) << "text after the last comma is lost";
    EXPECT_EQ(ParseListText(",A,,B,"), (Entries{"", "A", "", "B"}));
    EXPECT_EQ(ParseListText("ZCZC"), Entries{});
    EXPECT_EQ(ParseListText(""), Entries{});
}

TEST(ListTextTest, FormattedListsReadBackUnchanged) {
    const Entries lists[] = {{}, {""}, {"CQ", "", " ", "Call.."}};
    for (const auto& entries : lists) EXPECT_EQ(ParseListText(FormatListText(entries)), entries);
    EXPECT_EQ(FormatListText({"NNNN", "ZCZC"}), "NNNN,ZCZC,");
}

class WordListsTest : public ::testing::Test {
protected:
    WordListsTest() { lists.Fill("FQEN,WODL,", "NNNN,"); }

    fakes::FakeWordListView view;
    WordLists lists{view};
};

TEST_F(WordListsTest, FillingReplacesEntriesAndShowsThePrompts) {
    view.Start().editText = "getippt";
    lists.Fill("CQ,", "73,");

    EXPECT_EQ(view.Start().entries, Entries{"CQ"});
    EXPECT_EQ(view.Stop().entries, Entries{"73"});
    EXPECT_EQ(view.Start().editText, "Startwort");
    EXPECT_EQ(view.Stop().editText, "Stopwort");
    EXPECT_EQ(lists.StartWords(), Entries{"CQ"});
    EXPECT_EQ(lists.StopWords(), Entries{"73"});
}

TEST_F(WordListsTest, EnterAppendsTheEditTextEvenEmptyOrTwice) {
    view.Stop().editText = "ZCZC";
    lists.OnKeyDown(platform::WordList::Stop, 13);
    lists.OnKeyDown(platform::WordList::Stop, 13);
    view.Stop().editText = "";
    lists.OnKeyDown(platform::WordList::Stop, 13);

    const Entries expected{"NNNN", "ZCZC", "ZCZC", ""};
    EXPECT_EQ(lists.StopWords(), expected);
    EXPECT_EQ(view.Stop().entries, expected);
    EXPECT_EQ(lists.StartWords(), (Entries{"FQEN", "WODL"}));
}

TEST_F(WordListsTest, DeleteRemovesOnlyASelectedEntry) {
    lists.OnKeyDown(platform::WordList::Start, 46);
    EXPECT_EQ(lists.StartWords(), (Entries{"FQEN", "WODL"})) << "nothing selected";

    view.Start().selected = 0;
    lists.OnKeyDown(platform::WordList::Start, 46);
    EXPECT_EQ(lists.StartWords(), Entries{"WODL"});
    EXPECT_EQ(view.Start().entries, Entries{"WODL"});
}

}  // namespace
}  // namespace zorbel
