#pragma once
// In-memory stand-ins for what the user sees: the main window's views, word lists, title, theme label and menu checks,
// and the boxes, which answer as told. Given a call log, the views and boxes also join it.

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fakes/FakeSystem.h"
#include "platform/Dialogs.h"
#include "platform/LineLabel.h"
#include "platform/MenuChecks.h"
#include "platform/ReceptionView.h"
#include "platform/RxView.h"
#include "platform/StatusPanels.h"
#include "platform/ThemeControls.h"
#include "platform/WordListView.h"

namespace zorbel::fakes {

class FakeRxView : public platform::RxView {
public:
    void AppendAtEnd(std::string_view ansiText) override {
        text.append(ansiText);
        appends.emplace_back(ansiText);
        if (log) log->Add("rx:" + std::string(ansiText));
    }
    bool IsEmpty() const override { return text.empty(); }
    bool Exists() const override { return exists; }
    std::string SelectedText() const override { return selection; }
    void Clear() override {
        text.clear();
        if (log) log->Add("clear");
    }
    void ResetFormat(std::string_view utf8FontName, int pointSize) override {
        format = std::string(utf8FontName) + "/" + std::to_string(pointSize);
        if (log) log->Add("format:" + format);
    }

    std::string text;
    std::string format;  // the whole window's font as last reset
    std::vector<std::string> appends;
    std::string selection;
    bool exists = true;
    CallLog* log = nullptr;
};

class FakeStatusPanels : public platform::StatusPanels {
public:
    void SetPanelText(platform::Panel panel, std::string_view utf8Text) override {
        texts[panel] = std::string(utf8Text);
        if (log) log->Add("panel" + std::to_string(static_cast<int>(panel)) + ":" + std::string(utf8Text));
    }
    std::string Text(platform::Panel panel) const {
        const auto it = texts.find(panel);
        return it == texts.end() ? std::string() : it->second;
    }

    std::map<platform::Panel, std::string> texts;
    CallLog* log = nullptr;
};

class FakeReceptionView : public platform::ReceptionView {
public:
    void ShowChrome(const platform::ReceptionChrome& chrome) override {
        shown = chrome;
        if (log) log->Add("chrome");
    }
    platform::ReceptionChrome shown;
    CallLog* log = nullptr;
};

class FakeLineLabel : public platform::LineLabel {
public:
    void Show(std::string_view ansiText) override { shown = std::string(ansiText); }
    std::string shown;
};

// The two word-list combo boxes.
class FakeWordListView : public platform::WordListView {
public:
    struct Combo {
        std::vector<std::string> entries;
        std::string editText;
        std::optional<std::size_t> selected;
        bool enabled = true;
    };

    void ClearEntries(platform::WordList list) override { combos[list].entries.clear(); }
    void AppendEntry(platform::WordList list, std::string_view ansiText) override {
        combos[list].entries.emplace_back(ansiText);
    }
    void RemoveEntry(platform::WordList list, std::size_t index) override {
        auto& entries = combos[list].entries;
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
    void SetEditText(platform::WordList list, std::string_view ansiText) override {
        combos[list].editText = ansiText;
    }
    std::string EditText(platform::WordList list) const override { return combos.at(list).editText; }
    std::optional<std::size_t> SelectedIndex(platform::WordList list) const override {
        return combos.at(list).selected;
    }
    void SetEnabled(platform::WordList list, bool enabled) override { combos[list].enabled = enabled; }

    Combo& Start() { return combos[platform::WordList::Start]; }
    Combo& Stop() { return combos[platform::WordList::Stop]; }

    std::map<platform::WordList, Combo> combos{{platform::WordList::Start, {}}, {platform::WordList::Stop, {}}};
};

class FakeThemeControls : public platform::ThemeControls {
public:
    void SetWindowTitle(std::string_view utf8Title) override { title = utf8Title; }
    void SetThemeLabel(std::string_view ansiTheme) override { themeLabel = ansiTheme; }

    std::string title;
    std::string themeLabel;
};

class FakeMenuChecks : public platform::MenuChecks {
public:
    void SetChecked(platform::MenuEntry entry, bool isChecked) override { checks[entry] = isChecked; }

    // The entries that show a check mark now.
    std::vector<platform::MenuEntry> Checked() const {
        std::vector<platform::MenuEntry> marked;
        for (const auto& [entry, isChecked] : checks)
            if (isChecked) marked.push_back(entry);
        return marked;
    }

    std::map<platform::MenuEntry, bool> checks;
};

// Boxes, the text question and the beep, logged in the order shown; questions
// and boxes also join the call log as "ask:<title>" and "box:<title>".
class FakeDialogs : public platform::Dialogs {
public:
    struct Shown {
        std::string kind;  // "question", "exclamation", "information", "plain", "text", "beep" or "abort/retry/ignore"
        std::string prompt;
        std::string title;
        std::string defaultText;  // of the text question
        bool operator==(const Shown&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const Shown& shown) {
            return out << shown.kind << " [" << shown.title << "] " << shown.prompt << " {" << shown.defaultText << "}";
        }
    };

    bool AskYesNo(std::string_view utf8Prompt, std::string_view utf8Title) override {
        if (log) log->Add("ask:" + std::string(utf8Title));
        Log("question", utf8Prompt, utf8Title);
        return TakeNext(yesNoAnswers, answerYes);
    }
    void ShowMessage(platform::MessageIcon icon, std::string_view utf8Prompt, std::string_view utf8Title) override {
        if (log) log->Add("box:" + std::string(utf8Title));
        Log(icon == platform::MessageIcon::Exclamation   ? "exclamation"
            : icon == platform::MessageIcon::Information ? "information"
                                                         : "plain",
            utf8Prompt, utf8Title);
        // A box runs a message loop of its own: what the test posted arrives while it stands.
        if (const auto arriving = std::exchange(whileNextBoxStands, {})) arriving();
    }
    std::optional<std::string> AskText(std::string_view utf8Prompt, std::string_view utf8Title,
                                       std::string_view utf8Default) override {
        Log("text", utf8Prompt, utf8Title, utf8Default);
        return textAnswer;
    }
    void Beep() override { Log("beep"); }
    platform::ErrorAnswer AskAbortRetryIgnore(std::string_view utf8Prompt, std::string_view utf8Title) override {
        Log("abort/retry/ignore", utf8Prompt, utf8Title);
        return TakeNext(errorAnswers, platform::ErrorAnswer::Abort);
    }

    std::vector<Shown> shown;
    std::vector<platform::ErrorAnswer> errorAnswers;  // in the order asked; Abort when none is left
    bool answerYes = true;
    std::vector<bool> yesNoAnswers;  // in the order asked; answerYes when none is left
    std::optional<std::string> textAnswer;  // nothing: Cancel
    CallLog* log = nullptr;
    std::function<void()> whileNextBoxStands;

private:
    void Log(std::string kind, std::string_view prompt = {}, std::string_view title = {},
             std::string_view defaultText = {}) {
        shown.push_back({std::move(kind), std::string(prompt), std::string(title), std::string(defaultText)});
    }
};

}  // namespace zorbel::fakes
