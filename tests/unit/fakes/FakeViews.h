#pragma once
// Small in-memory stand-ins for the main window's views.

#include <map>
#include <string>
#include <vector>

#include "fakes/CallLog.h"
#include "platform/LineLabel.h"
#include "platform/ReceptionView.h"
#include "platform/RxView.h"
#include "platform/StatusPanels.h"

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
        if (log) log->Add("format:" + std::string(utf8FontName) + "/" + std::to_string(pointSize));
    }

    std::string text;
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
        auto it = texts.find(panel);
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

}  // namespace zorbel::fakes
