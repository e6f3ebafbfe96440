// ambrelin-cli: the program's logic without windows, for production lines
// and scripts.
#include <QCoreApplication>
#include <iostream>

#include "burner/ProductionLog.h"
#include "cli/Cli.h"

namespace {

constexpr OptionSpec PortOption{"port", "P", "the unit's port: COMn as `ports` lists it, or a device path", ""};
constexpr OptionSpec LangOption{"lang", "en|zh", "the language of the program's texts", "zh"};
constexpr OptionSpec FillOption{"fill", "00|ff", "the byte an image leaves where it has none", "ff"};
constexpr OptionSpec JsonOption{"json", "", "print only the summary, as one JSON object", ""};
constexpr OptionSpec QuietOption{"quiet", "", "print only the summary", ""};
constexpr OptionSpec VerboseOption{"verbose", "", "print every label of the window as it changes", ""};
constexpr OptionSpec OperatorOption{"operator", "NAME", "who works, written into every log line", ""};
constexpr OptionSpec OrderOption{"order", "WORK-ORDER", "the work order, written into every log line", ""};
constexpr OptionSpec StationOption{"station", "NAME", "the station, written into every log line", ""};
constexpr OptionSpec SearchOption{"search-seconds", "S",
                                  "search for a unit at most this long (default: 1801 requests, about 55 s)", ""};
constexpr OptionSpec TrigOption{"trig", "HH", "the pre-trigger byte in hex, sent before each search", ""};

}  // namespace

const std::vector<VerbSpec> Verbs{
    {"ports", "list the serial ports: COMn, device, adapter", "",
     "Lists the serial ports as the windows number them, with each USB adapter's identity.", {}, Ports},
    {"pin", "pin COMn to a device path", "COMn [DEVICE]",
     "Pins COMn to DEVICE for the windows and the command line; without DEVICE the pin is removed.", {}, Pin},
    {"send", "send one command text and print the replies", "COMMAND-TEXT",
     "Sends one command frame built from COMMAND-TEXT (hex digit pairs, e.g. \"0500 0020 1000\") and prints every "
     "reply frame that arrives within the wait, in hex.",
     {PortOption,
      {"address", "A", "the address byte, one or two hex digits", ""},
      {"type", "T", "the type byte in hex", "00"},
      {"wait", "SECONDS", "how long to print replies", "0.5"},
      LangOption},
     Send},
    {"font", "print an LED font table", "",
     "Prints the font table of a 7, 14 or 16 segment display as C or assembler source, the segments wired to the "
     "bits in the order given.",
     {{"display", "7|14|16", "the display type", ""},
      {"order", "LETTERS", "the segment letter of bit 0, 1, ... ('-' for an unused bit)", ""},
      {"reverse", "", "invert every bit (common-anode wiring)", ""},
      {"format", "uchar|ushort|asm", "the source format", ""}},
     Font},
    {"image", "load an image and describe it", "FILE [FLASH.Img]",
     "Loads FILE as the burn page does (.hex, .tot, .bin, .txt, .val, .bat) and prints its date, name, checksum, "
     "length and line count; a DSP image (EGG.Img, with FLASH.Img laid over it) prints its size, lines, the bytes "
     "the patch overwrites and its checksum. A bad file fails with the loader's message.",
     {FillOption,
      {"start", "ADDRESS", "first address of the checksum, hex", "0"},
      {"end", "ADDRESS", "last address of the checksum, hex", "FFFF"},
      LangOption},
     Image},
    {"hex2tot", "write the Tot file of an image", "FILE",
     "Loads FILE and writes its Tot file beside it, as \"Hex -> Tot\" does.", {FillOption, LangOption}, Hex2Tot},
    {"dump", "print an image's hex dump", "FILE",
     "Loads FILE and prints the hex dump of the code buffer up to the last address.",
     {FillOption, {"last", "ADDRESS", "the last address shown, hex", "3FF"}, LangOption}, Dump},
    {"burn", "burn a front panel (several --port: a gang)", "FILE",
     "Burns FILE (.hex, .tot, or a .bat burn script) into the front-panel chip through its boot program and "
     "verifies it. The image, or every line of a script, and the log are checked before the port is opened. "
     "Given --port more than once, burns that many units at once, one process a port.",
     {{"port", "P", "the unit's port: COMn or a device path; repeat it for a gang burn", ""},
      {"target", "N", "the target ID, 1 to 6 (a script names its own)", ""},
      FillOption,
      TrigOption,
      {"auto", "", "burn unit after unit until no further one comes", ""},
      {"reboot", "", "restart the unit after the burn", ""},
      {"old", "", "the old boot program's checksum rule", ""},
      {"expect", "SUM", "refuse an image whose checksum (0-FFFF, as the burn page shows it) is not SUM; for a "
                        "script one SUM a line, comma-separated", ""},
      {"expect-sha256", "HEX", "refuse an image (or script) file whose SHA-256 is not HEX", ""},
      SearchOption,
      {"log", "FILE", "append a JSON line per unit to this production log", ""},
      OperatorOption, OrderOption, StationOption,
      LangOption, JsonOption, QuietOption, VerboseOption,
      {"machine", "", "JSON lines of progress, of each unit and of the summary, for a gang or the station window", ""}},
     Burn},
    {"identify", "ask each fixture's unit for its chip, nothing written", "",
     "Asks the boot program of the unit on each port for its chip with the identify request alone (nothing is "
     "erased or written) and prints port, adapter, chip ID and chip name, or \"no unit\" when none answered "
     "within one search. Given --port more than once, asks them all at once, one process a port.",
     {{"port", "P", "the unit's port: COMn or a device path; repeat it for several fixtures", ""},
      {"target", "N", "the target ID, 1 to 6", ""}, TrigOption, SearchOption, LangOption,
      {"json", "", "print one JSON object a port, a line each", ""}},
     Identify},
    {"restart", "ask a target to restart", "",
     "Sends the boot program's restart request to the target.",
     {PortOption, {"target", "N", "the target ID, 1 to 6", ""}, LangOption}, Restart},
    {"hdmi-dump", "read all 256 registers of an HDMI chip", "",
     "Reads registers 0x00 to 0xFF of the AD9880 or AD9889 and prints their hex dump, or writes the 256 bytes.",
     {PortOption, {"chip", "9880|9889", "the chip", ""}, {"out", "FILE", "write the bytes here", ""}, LangOption,
      JsonOption, QuietOption},
     HdmiDump},
    {"batch", "read or write 256 memory locations", "",
     "Runs one memory batch of 256 locations, one command every 0.1 s, as the batch page's first slot does.",
     {PortOption, {"port-text", "PP:SS", "the port and sub-address, hex", ""},
      {"read", "", "read the locations", ""}, {"write", "FILE", "write the image's first 256 bytes", ""}, LangOption,
      JsonOption, QuietOption},
     Batch},
    {"dsp-download", "download a 512 KiB image into the DSP's flash", "EGG.Img [FLASH.Img]",
     "Loads the Egg image (and the Flash patch over it) and downloads it into the audio DSP's flash at 128,000 "
     "baud; the port stays at that speed.",
     {PortOption,
      {"log", "FILE", "append a JSON line for the download to this production log", ""},
      OperatorOption, OrderOption, StationOption, LangOption, JsonOption, QuietOption, VerboseOption,
      {"machine", "", "JSON lines of progress and summary", ""}},
     DspDownload},
    {"report", "the yield of production logs", "LOG...",
     "Reads production logs (burn --log) and prints, per day, station, port and image: units, first-pass good, "
     "good and failed units (failed by result), errors, and the median and 95th-percentile seconds of a burn. A "
     "unit is a port's attempts until one verifies. Lines that cannot be read are counted and named.",
     {{"json", "", "print the report as one JSON object", ""},
      {"html", "FILE", "also write the report as one HTML page, with a chart of units per hour", ""}},
     YieldReport},
};

namespace {

void Help() {
  std::cout << "Usage: ambrelin-cli VERB [options] [arguments]\n"
               "The service and production tool of the audio/video units, without its windows.\n\nVerbs:\n";
  size_t width = 0;
  for (const VerbSpec& verb : Verbs) width = std::max(width, verb.name.size());
  for (const VerbSpec& verb : Verbs)
    std::cout << "  " << verb.name << std::string(width - verb.name.size() + 2, ' ') << verb.summary << "\n";
  std::cout << "\n'ambrelin-cli VERB --help' says what a verb does and lists its options.\n"
               "Exit codes: 0 done, 1 failed, 2 port cannot be opened, 3 no unit answered, 4 another chip,\n"
               "5 image or load error (or not the expected image), 6 erase, write or verify failed,\n"
               "7 port lost, 8 production log cannot be written, 64 bad usage, 130 stopped (Ctrl-C).\n";
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  // Qt's list is Unicode where argv is not (Windows hands argv over in the code page).
  std::vector<std::string> args;
  for (const QString& arg : QCoreApplication::arguments().mid(1)) args.push_back(arg.toStdString());
  if (args.empty()) {
    std::cerr << "ambrelin-cli: a verb is required\nTry 'ambrelin-cli --help'.\n";
    return ExitUsage;
  }
  const std::string first = args.front();
  if (first == "--help" || first == "-h") {
    Help();
    return ExitOk;
  }
  if (first == "--version") {
    std::cout << "ambrelin-cli " << ProgramVersion() << "\n";
    return ExitOk;
  }
  for (const VerbSpec& verb : Verbs)
    if (verb.name == first) return RunVerb(verb, {args.begin() + 1, args.end()});
  std::cerr << "ambrelin-cli: no verb '" << first << "'\nTry 'ambrelin-cli --help'.\n";
  return ExitUsage;
}
