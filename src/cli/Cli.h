#pragma once
// What the verbs of ambrelin-cli share: the exit codes, the options and their
// parser, how a job's progress and summary are shown, and the program's logic
// over a port named on the command line.
#include <QCommandLineParser>
#include <cstdint>
#include <functional>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/Ambrelin.h"
#include "app/MapControls.h"
#include "app/QtPlatform.h"
#include "cli/Interrupt.h"
#include "link/QtSerialPort.h"

// What a run of a verb came to; the README lists them.
enum Exit {
  ExitOk = 0,
  ExitFailed = 1,      // any other failure, the program's message on stderr
  ExitPort = 2,        // the port cannot be opened (or will not take the speed)
  ExitNoTarget = 3,    // no unit answered
  ExitOtherChip = 4,   // a later unit is another chip than the first
  ExitImage = 5,       // the image or script cannot be loaded, or is too large
  ExitJob = 6,         // erase, write or verify failed: the unit is not good
  ExitPortLost = 7,    // the port went away during the job
  ExitLog = 8,         // the production log cannot be written
  ExitUsage = 64,
  ExitStopped = 130,   // Ctrl-C or SIGTERM, the job stopped as its button would
};

// Messages go to stderr; what a verb did is its outcome's to say.
struct CliDialogs : Dialogs {
  void MessageBox(std::string_view text) override;
  void Notice(std::string_view text) override;
  // Files are named on the command line.
  std::optional<std::string> OpenFile(std::string_view) override { return std::nullopt; }
  void Play(std::string_view) override {}
};

// A device named on the command line stands in as COM1 for this run only.
struct DevicePin : SettingsStore {
  explicit DevicePin(std::string path) : device(std::move(path)) {}
  std::string device;
  std::string Get(std::string_view section, std::string_view key) override;
  void Put(std::string_view, std::string_view, std::string_view) override {}
};

// The port an argument names when all of it is "COMn", n from 1 to 256; any
// other text is a device.
std::optional<int> ComArgument(std::string_view text);
// Bytes as upper-case hex pairs separated by blanks.
std::string Hex(std::span<const uint8_t> bytes);

// The logic over "COMn" or a device path, headless, its port connected.
struct CliSession {
  explicit CliSession(const std::string& portText, bool english = false);
  // Opens the port; says why on stderr when it cannot, and keeps why.
  bool Open(std::string_view settings);
  // The adapter's identity, as the port list shows it.
  std::string Adapter();

  std::string portText;
  std::optional<int> number;
  std::string device;  // what the port text named when it was opened
  PortCause cause;     // why it did not open
  QtSettingsStore stored;
  DevicePin named{portText};
  QtSerialPort port;
  QtEventPump pump;
  CliDialogs dialogs;
  MapControls controls;
  Ambrelin a;
};

// One option of a verb: its name, the value it takes (empty for a switch),
// what it does and its default (empty for none).
struct OptionSpec {
  std::string_view name, value, help, fallback;
};

struct Parsed;
struct VerbSpec {
  std::string_view name;
  std::string_view summary;      // the one line of `ambrelin-cli --help`
  std::string_view arguments;    // the positional arguments, as the usage shows them
  std::string_view description;  // what `VERB --help` says first
  std::vector<OptionSpec> options;
  int (*run)(Parsed&);
};

// A verb's command line, read by Qt's parser against the verb's options.
struct Parsed {
  const VerbSpec& verb;
  std::vector<std::string> args;  // as given, for a run that passes them on
  QCommandLineParser parser;

  bool Has(std::string_view option) const;
  bool Set(std::string_view option) const;
  // The option's value, or its default.
  std::string Value(std::string_view option) const;
  std::vector<std::string> Values(std::string_view option) const;
  std::vector<std::string> Positional() const;
  // A hexadecimal option up to `most`, never octal; nothing when unset. A
  // value that is no such number is a usage error, said at once.
  std::optional<std::optional<uint32_t>> Hex(std::string_view option, uint32_t most) const;
  // "VERB: what was wrong" and where the help is; gives BadUsage.
  int Usage(std::string_view what) const;
  // --lang en
  bool English() const;
  // --fill 00 or ff, in any case; nothing (and said) for another value.
  std::optional<uint8_t> Fill() const;
  // A number of seconds above 0; 0 when unset, nothing (and said) for
  // another value.
  std::optional<double> Seconds(std::string_view option) const;
  // --operator, --order and --station, for the production log.
  ProductionWho Who() const;
};

std::string VerbHelp(const VerbSpec&);
// Parses the arguments after the verb and runs it; --help prints its help.
int RunVerb(const VerbSpec&, const std::vector<std::string>& args);

// How a job is shown while it runs and when it ends: on a terminal one status
// line rewritten in place, otherwise a line per phase; --verbose every label
// as it changes, --quiet only the summary, --json only the summary as JSON.
// A gang burn's units report to their parent in JSON lines (--machine).
struct Reporter {
  enum class Mode { Live, Phases, Verbose, Quiet, Json, Machine };
  Reporter(const Parsed&, std::string what, Ambrelin&);
  ~Reporter();

  // A job's summary: fields in order, each with the label the line shows.
  struct Field {
    std::string key, label, text;
    bool number = false;
    std::string unit = "";  // after the text on the line, as " s"
    bool onLine = true;     // false: in the JSON summary only
  };
  void Summary(std::vector<Field> fields);
  // A job that never began because its port would not open: the summary
  // says why (the message is on stderr already). Gives ExitPort.
  int PortFailed(const CliSession&);

  Mode mode;
  std::string what;  // "burn /dev/ttyUSB0"
  // Where the summary line goes: stderr for a verb whose output is its data.
  std::ostream* lineOut;
  Ambrelin& a;
  double started, programStarted = 0;
  std::optional<Phase> phase;
  bool live = false;  // a status line stands unfinished on the terminal

 private:
  void Show(const Progress&);
};

extern const std::vector<VerbSpec> Verbs;
int Ports(Parsed&);
int Pin(Parsed&);
int Send(Parsed&);
int Font(Parsed&);
int Image(Parsed&);
int Hex2Tot(Parsed&);
int Dump(Parsed&);
int Burn(Parsed&);
int GangBurn(Parsed&);
int Identify(Parsed&);
// Several ports asked at once, a child process each.
int IdentifyPorts(Parsed&);
int Restart(Parsed&);
int HdmiDump(Parsed&);
int Batch(Parsed&);
int DspDownload(Parsed&);
int YieldReport(Parsed&);
