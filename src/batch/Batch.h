#pragma once
// The batch page's three slots: each opens an image, reads or writes a block
// of 256 memory locations of the unit, and keeps its own result file.
#include <string>
#include <string_view>

#include "app/Ambrelin.h"
#include "app/DesktopFormControls.h"
#include "batch/Basic.h"

struct BatchSlot {
  Control file, open, portLabel, port, read, write;
  // In the user's data folder.
  std::string_view resultFile;
};

namespace BatchSlots {
namespace C = DesktopFormControls;
inline constexpr BatchSlot All[] = {
    {C::Batch1TextFile, C::Batch1ButtonOpen, C::Batch1LabelPort, C::Batch1TextPort, C::Batch1ButtonRead,
     C::Batch1ButtonWrite, "VellBatchRead1.Bin"},
    {C::Batch2TextFile, C::Batch2ButtonOpen, C::Batch2LabelPort, C::Batch2TextPort, C::Batch2ButtonRead,
     C::Batch2ButtonWrite, "VellBatchRead2.Bin"},
    {C::Batch3TextFile, C::Batch3ButtonOpen, C::Batch3LabelPort, C::Batch3TextPort, C::Batch3ButtonRead,
     C::Batch3ButtonWrite, "VellBatchRead3.Bin"},
};
}  // namespace BatchSlots

// Locations in one batch.
inline constexpr int16_t BatchCount = 256;

std::string BatchResultPath(const Ambrelin&, const BatchSlot&);
// Sets all 1,025 bytes of the batch read buffer to 0.
void ClearBatchReadBuffer(Ambrelin&);

// Asks for an image, loads it by its ending and shows its first 256 bytes in BatchTxText.
void BatchButtonOpen_Click(Ambrelin&, const BatchSlot&);
// A read batch from the slot's port text; the (cleared) read buffer goes to
// the result file and both buffers' dumps to BatchTxText and BatchRxText.
BatchOutcome BatchButtonRead_Click(Ambrelin&, const BatchSlot&);
// Reloads the slot's file and writes its first 256 bytes to the unit; result
// file and dumps as for a read.
BatchOutcome BatchButtonWrite_Click(Ambrelin&, const BatchSlot&);
