#include "panels/DebugPanel.h"

#include "app/DesktopFormControls.h"
#include "link/TxRx.h"

namespace C = DesktopFormControls;

const std::array<DebugColumn, 4> DebugColumns{{
    {C::DebugTextAddressA,
     C::DebugTextAddress1,
     {C::DebugTextL1, C::DebugTextL2, C::DebugTextL3, C::DebugTextL4, C::DebugTextL5, C::DebugTextL6},
     {C::DebugButtonL1, C::DebugButtonL2, C::DebugButtonL3, C::DebugButtonL4, C::DebugButtonL5, C::DebugButtonL6}},
    {C::DebugTextAddressA,
     C::DebugTextAddress2,
     {C::DebugTextR1, C::DebugTextR2, C::DebugTextR3, C::DebugTextR4, C::DebugTextR5, C::DebugTextR6},
     {C::DebugButtonR1, C::DebugButtonR2, C::DebugButtonR3, C::DebugButtonR4, C::DebugButtonR5, C::DebugButtonR6}},
    {C::DebugTextAddressB,
     C::DebugTextAddress3,
     {C::DebugTextC1, C::DebugTextC2, C::DebugTextC3, C::DebugTextC4, C::DebugTextC5, C::DebugTextC6},
     {C::DebugButtonC1, C::DebugButtonC2, C::DebugButtonC3, C::DebugButtonC4, C::DebugButtonC5, C::DebugButtonC6}},
    {C::DebugTextAddressB,
     C::DebugTextAddress4,
     {C::DebugTextD1, C::DebugTextD2, C::DebugTextD3, C::DebugTextD4, C::DebugTextD5, C::DebugTextD6},
     {C::DebugButtonD1, C::DebugButtonD2, C::DebugButtonD3, C::DebugButtonD4, C::DebugButtonD5, C::DebugButtonD6}},
}};

void DebugButton_Click(Ambrelin& a, const DebugColumn& column, int row) {
  // The texts go on unchanged; TxByHex2 judges them.
  const std::string type = a.controls.Text(column.type);
  const std::string address = a.controls.Text(column.address);
  const std::string command = a.controls.Text(column.commands.at(static_cast<size_t>(row)));
  TxByHex2(a, type, address, command);
}
