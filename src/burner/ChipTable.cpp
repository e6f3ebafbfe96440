#include "burner/ChipTable.h"

#include <algorithm>

const std::array<Chip, 25> Chips{{
    {0x0001, "器件: Philips P89V51RB", 0x3FFF, 128, 0},
    {0x0002, "器件: Philips P89V51RC", 0x7FFF, 128, 0},
    {0x0003, "器件: Philips P89V51RD", 0xFFFF, 128, 0},
    {0x0101, "器件: Stc 89C51", 0x0FFF, 512, 0},
    {0x0102, "器件: Stc 89C52", 0x1FFF, 512, 0},
    {0x0103, "器件: Stc 89C53", 0x37FF, 512, 0},
    {0x0107, "器件: Stc 89C516", 0xF7FF, 512, 0},
    {0x0201, "器件: Sst 89E52", 0x1FFF, 128, 0},
    {0x0202, "器件: Sst 89E54", 0x3FFF, 128, 0},
    {0x0203, "器件: Sst 89E58", 0x7FFF, 128, 0},
    {0x0204, "器件: Sst 89E516", 0xFFFF, 128, 0},
    {0x0301, "器件: SyncMos 5964", 0xFFFF, 512, 1024},
    {0x0402, "器件: MegaWin 89E52", 0x1FFF, 512, 0},
    {0x0405, "器件: MegaWin 89E58", 0x7FFF, 512, 0},
    {0x0406, "器件: MegaWin 89E515", 0xF7FF, 512, 0},
    {0x0501, "器件: Nuvoton N76E003", 0x43FF, 128, 0},
    {0x0800, "器件: ReDido T89V16PA", 0x3FFF, 128, 0},
    {0x0801, "器件: ReDido T89V64PA", 0xFFFF, 128, 0},
    {0x0811, "器件: ReDido T89C08SA", 0x1FFF, 512, 0},
    {0x0832, "器件: Redido T89C64SB", 0xFFFF, 512, 1024},
    {0x0840, "器件: ReDido T89E32SC", 0x7FFF, 128, 0},
    {0x0850, "器件: Redido T89E08MA", 0x1FFF, 512, 0},
    {0x0851, "器件: Redido T89E32MA", 0x7FFF, 512, 0},
    {0x0852, "器件: Redido T89E64MA", 0xF7FF, 512, 0},
    {0x1020, "器件: Stm8S105 32K", 0xFFFF, 128, 0x9000},
}};

const Chip& ChipById(uint16_t id) {
  const auto row = std::find_if(Chips.begin(), Chips.end(), [id](const Chip& c) { return c.id == id; });
  return row == Chips.end() ? UnknownChip : *row;
}

std::string_view ChipName(const Chip& chip) {
  constexpr std::string_view Prefix = "器件: ";
  return chip.caption.substr(Prefix.size());
}
