// The list text format and editing the word lists by keys.

#include <gtest/gtest.h>

#include "config/ListText.h"
#include "config/WordLists.h"
#include "fakes/FakeViews.h"

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

TEST(WordListsTest, FillingReplacesThenEnterAppendsAndDeleteRemovesOnlyASelectedEntry) {
    fakes::FakeWordListView view;
    WordLists lists{view};
    lists.Fill("CQ,", "73,");
    view.Start().editText = "getippt";
    lists.Fill("FQEN,WODL,", "NNNN,");
    EXPECT_EQ(view.Start().editText, "Startwort");
    EXPECT_EQ(view.Stop().editText, "Stopwort");

    // Enter takes the edit text as typed, even empty or twice.
    view.Stop().editText = "ZCZC";
    lists.OnKeyDown(platform::WordList::Stop, 13);
    lists.OnKeyDown(platform::WordList::Stop, 13);
    view.Stop().editText = "";
    lists.OnKeyDown(platform::WordList::Stop, 13);
    lists.OnKeyDown(platform::WordList::Start, 46);  // nothing selected
    // Not the first entry, so that removing the first one instead would show.
    view.Start().selected = 1;
    lists.OnKeyDown(platform::WordList::Start, 46);
    view.Stop().selected = 2;
    lists.OnKeyDown(platform::WordList::Stop, 46);
    view.Stop().selected = 9;  // beyond the list
    lists.OnKeyDown(platform::WordList::Stop, 46);

    EXPECT_EQ(lists.StartWords(), Entries{"FQEN"});
    EXPECT_EQ(lists.StopWords(), (Entries{"NNNN", "ZCZC", ""}));
    EXPECT_EQ(view.Start().entries, lists.StartWords());
    EXPECT_EQ(view.Stop().entries, lists.StopWords());
}

}  // namespace
}  // namespace zorbel
