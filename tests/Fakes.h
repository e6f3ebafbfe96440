#pragma once
// Test sides of the dialogs and settings seams.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/Platform.h"

struct RecordedDialogs : Dialogs {
  std::vector<std::string> messages, notices, filters, played, questions;
  // The answers to the next questions, in turn; No once they run out.
  std::vector<bool> answers;
  // What a status line would show now.
  std::string statusLine;
  // What the user picks in the next open-file dialogs, in turn; cancels once they run out.
  std::vector<std::string> picks;
  void MessageBox(std::string_view text) override { messages.emplace_back(text); }
  bool Confirm(std::string_view text) override {
    questions.emplace_back(text);
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.erase(answers.begin());
    return yes;
  }
  void Notice(std::string_view text) override {
    notices.emplace_back(text);
    statusLine = text;
  }
  void TakeBackNotice(std::string_view text) override {
    if (statusLine == text) statusLine.clear();
  }
  void Play(std::string_view file) override { played.emplace_back(file); }
  std::optional<std::string> OpenFile(std::string_view filter) override {
    filters.emplace_back(filter);
    if (picks.empty()) return std::nullopt;
    std::string pick = picks.front();
    picks.erase(picks.begin());
    return pick;
  }
};

struct MapSettings : SettingsStore {
  std::map<std::pair<std::string, std::string>, std::string> values;
  std::vector<std::string> written;  // "Section/Key" in the order written
  std::string Get(std::string_view section, std::string_view key) override {
    auto it = values.find({std::string(section), std::string(key)});
    return it == values.end() ? std::string() : it->second;
  }
  void Put(std::string_view section, std::string_view key, std::string_view value) override {
    values[{std::string(section), std::string(key)}] = value;
    written.push_back(std::string(section) + "/" + std::string(key));
  }
};
