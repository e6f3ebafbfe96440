#pragma once
// Test sides of the dialogs and settings seams.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/Platform.h"

struct RecordedDialogs : Dialogs {
  std::vector<std::string> messages, notices;
  void MessageBox(std::string_view text) override { messages.emplace_back(text); }
  void Notice(std::string_view text) override { notices.emplace_back(text); }
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
