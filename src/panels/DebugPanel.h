#pragma once
// The debug page: 24 kept command texts, each sent with one click to the
// address of its column and with the type byte of its frame.
#include <array>

#include "app/Ambrelin.h"

// One column of a debug frame: the frame's type-byte box, the column's
// address box and six rows of command box and button.
struct DebugColumn {
  Control type, address;
  std::array<Control, 6> commands, buttons;
};

// L and R share DebugTextAddressA, C and D share DebugTextAddressB.
extern const std::array<DebugColumn, 4> DebugColumns;

// The button of row (0 to 5) of the column was clicked.
void DebugButton_Click(Ambrelin&, const DebugColumn&, int row);
