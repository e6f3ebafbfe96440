// Verbs that look inside a unit: the HDMI register dump and the memory batches.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <span>

#include "app/DesktopFormControls.h"
#include "batch/Basic.h"
#include "batch/Batch.h"
#include "cli/Cli.h"
#include "panels/HdmiRegisters.h"

namespace {

bool WriteBytes(const std::string& path, std::span<const uint8_t> bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace

int HdmiDump(const Arguments& args) {
  std::string portText, chipText, out;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (k + 1 >= args.size()) return BadUsage;
    if (arg == "--port")
      portText = args[++k];
    else if (arg == "--chip")
      chipText = args[++k];
    else if (arg == "--out")
      out = args[++k];
    else
      return BadUsage;
  }
  if (portText.empty() || (chipText != "9880" && chipText != "9889")) return BadUsage;

  CliSession session(portText);
  if (!session.Open("38400,N,8,1")) return PortFailed;
  const DumpResult result = ReadRegisters(session.a, chipText == "9880" ? Ad9880 : Ad9889);
  if (result.end != DumpEnd::Complete) {
    std::cerr << DumpEndText(result) << '\n';
    return Refused;
  }
  const std::span<const uint8_t> registers(session.a.code.Buffer.data(), 256);
  if (out.empty()) {
    std::cout << HexDump(registers, 255);
    return Ok;
  }
  if (WriteBytes(out, registers)) return Ok;
  std::cerr << "cannot write " << out << '\n';
  return Refused;
}

int Batch(const Arguments& args) {
  std::string portText, text, file;
  bool read = false, write = false;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    const bool hasValue = k + 1 < args.size();
    if (arg == "--port" && hasValue) {
      portText = args[++k];
    } else if (arg == "--port-text" && hasValue) {
      text = args[++k];
    } else if (arg == "--write" && hasValue) {
      file = args[++k];
      write = true;
    } else if (arg == "--read") {
      read = true;
    } else {
      return BadUsage;
    }
  }
  if (portText.empty() || read == write) return BadUsage;
  // The page would write whatever the code buffer holds; a line tool refuses instead.
  if (write && !std::filesystem::is_regular_file(file)) {
    std::cerr << "cannot read " << file << '\n';
    return Refused;
  }

  CliSession session(portText);
  if (!session.Open("38400,N,8,1")) return PortFailed;
  // The batch runs as the page's first slot would, result file included.
  const BatchSlot& slot = BatchSlots::All[0];
  session.controls.SetText(slot.port, text);
  session.controls.SetText(slot.file, file);
  const BatchOutcome outcome =
      write ? BatchButtonWrite_Click(session.a, slot) : BatchButtonRead_Click(session.a, slot);
  if (outcome.end != BatchEnd::Sent || !outcome.saved) return Refused;
  const Ambrelin& a = session.a;
  std::cout << (write ? HexDump(a.code.Buffer, BatchCount - 1) : HexDump(a.BatchReadBuffer, BatchCount - 1));
  return Ok;
}
