#pragma once
// Controls without a screen: a map from names to values. The command-line
// front end and the tests run the logic over it.
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "app/Platform.h"

struct MapControl {
  std::string text;
  int value = 0;
  int minimum = 0, maximum = 100;
  bool ticked = false;
  int index = -1;
  std::vector<std::string> entries;
  bool enabled = true;
  bool visible = false;
  uint32_t colour = 0;
};

struct MapControls : Controls {
  std::map<std::pair<std::string, std::string>, MapControl, std::less<>> state;
  // Called after every text change, so a headless front end can show it.
  std::function<void(Control, std::string_view)> textChanged;

  MapControl& At(Control);

  std::string Text(Control c) override { return At(c).text; }
  void SetText(Control c, std::string_view text) override;
  int Value(Control c) override { return At(c).value; }
  void SetValue(Control c, int v) override { At(c).value = v; }
  void SetRange(Control c, int minimum, int maximum) override {
    At(c).minimum = minimum;
    At(c).maximum = maximum;
  }
  bool Ticked(Control c) override { return At(c).ticked; }
  void SetTicked(Control c, bool t) override { At(c).ticked = t; }
  int Index(Control c) override { return At(c).index; }
  void SetIndex(Control c, int i) override;
  std::vector<std::string> Entries(Control c) override { return At(c).entries; }
  void SetEntries(Control c, const std::vector<std::string>& e) override;
  bool Enabled(Control c) override { return At(c).enabled; }
  void SetEnabled(Control c, bool e) override { At(c).enabled = e; }
  bool Visible(Control c) override { return At(c).visible; }
  void SetVisible(Control c, bool v) override { At(c).visible = v; }
  void SetColour(Control c, uint32_t colour) override { At(c).colour = colour; }
};
