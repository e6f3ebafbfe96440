#include "batch/Basic.h"

#include <algorithm>
#include <cstdio>

#include "app/DesktopFormControls.h"

std::string HexDump(std::span<const uint8_t> buffer, int last) {
  std::string text = ";    00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n\r\n";
  last = std::min(last, static_cast<int>(buffer.size()) - 1);
  char cell[16];
  for (int index = 0; index <= last; ++index) {
    if (index % 16 == 0) {
      std::snprintf(cell, sizeof cell, "%04X:", index / 16);
      text += cell;
    }
    std::snprintf(cell, sizeof cell, "%02X ", buffer[static_cast<size_t>(index)]);
    text += cell;
    if (index % 16 == 15) text += "\r\n";
  }
  return text;
}

namespace {

std::string Dump(Ambrelin& a, std::span<const uint8_t> buffer, int16_t last) {
  std::string text = HexDump(buffer, last);
  a.controls.SetText(DesktopFormControls::Text6, text);
  return text;
}

}  // namespace

std::string DumpCodeBuffer(Ambrelin& a, int16_t last) { return Dump(a, a.code.Buffer, last); }

std::string DumpReadBuffer(Ambrelin& a, int16_t last) { return Dump(a, a.BatchReadBuffer, last); }
