#include "app/MapControls.h"

MapControl& MapControls::At(Control c) {
  auto key = std::make_pair(std::string(c.window), std::string(c.name));
  auto it = state.find(key);
  if (it == state.end()) it = state.emplace(key, MapControl{std::string(c.caption)}).first;
  return it->second;
}

void MapControls::SetText(Control c, std::string_view text) {
  At(c).text = text;
  if (textChanged) textChanged(c, text);
}

// A combo box shows the entry it selects, as the windows do.
void MapControls::SetIndex(Control c, int i) {
  MapControl& m = At(c);
  m.index = i >= 0 && i < static_cast<int>(m.entries.size()) ? i : -1;
  if (m.index >= 0) m.text = m.entries[static_cast<size_t>(m.index)];
}

void MapControls::SetEntries(Control c, const std::vector<std::string>& e) {
  MapControl& m = At(c);
  m.entries = e;
  m.index = -1;
}
