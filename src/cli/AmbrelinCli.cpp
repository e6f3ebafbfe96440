// ambrelin-cli: the program's logic without windows, for production lines
// and scripts.
#include <QCoreApplication>
#include <iostream>
#include <map>

#include "cli/Cli.h"

namespace {

constexpr const char* Usage =
    "usage: ambrelin-cli ports\n"
    "       ambrelin-cli pin COMn [DEVICE]\n"
    "       ambrelin-cli send --port COMn|DEVICE --address A [--type T] [--wait SECONDS] COMMAND-TEXT\n"
    "       ambrelin-cli font --display 7|14|16 --order LETTERS [--reverse] [--format uchar|ushort|asm]\n"
    "       ambrelin-cli image FILE [--fill 00|ff] [--start A --end B]\n"
    "       ambrelin-cli hex2tot FILE [--fill 00|ff]\n"
    "       ambrelin-cli dump FILE [--fill 00|ff] [--last N]\n"
    "       ambrelin-cli burn --port COMn|DEVICE (--target N | SCRIPT.bat) [--fill 00|ff] [--trig HH] [--auto]\n"
    "                         [--reboot] [--old] [--lang en] FILE\n"
    "       ambrelin-cli restart --port COMn|DEVICE --target N\n"
    "       ambrelin-cli hdmi-dump --port COMn|DEVICE --chip 9880|9889 [--out FILE]\n"
    "       ambrelin-cli batch --port COMn|DEVICE --port-text PP:SS (--read | --write FILE)\n"
    "       ambrelin-cli dsp-download --port COMn|DEVICE EGG [FLASH]\n";

const std::map<std::string, int (*)(const Arguments&)> Verbs{
    {"ports", Ports}, {"pin", Pin}, {"send", Send}, {"font", Font},
    {"image", Image}, {"hex2tot", Hex2Tot}, {"dump", Dump},
    {"burn", Burn}, {"restart", Restart},
    {"hdmi-dump", HdmiDump},
    {"batch", Batch},
    {"dsp-download", DspDownload},
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  Arguments args(argv + 1, argv + argc);
  int result = BadUsage;
  if (!args.empty()) {
    const auto verb = Verbs.find(args.front());
    args.erase(args.begin());
    if (verb != Verbs.end()) result = verb->second(args);
  }
  if (result == BadUsage) std::cerr << Usage;
  return result;
}
