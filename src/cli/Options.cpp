// A verb's options through Qt's parser, its help, and its usage errors.
#include <algorithm>
#include <cmath>
#include <iostream>

#include "app/Hex.h"
#include "cli/Cli.h"

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Lines of at most 78 characters, broken at blanks.
std::string Wrapped(std::string_view text) {
  std::string wrapped, line;
  size_t from = 0;
  while (from < text.size()) {
    size_t to = text.find(' ', from);
    if (to == std::string_view::npos) to = text.size();
    const std::string_view word = text.substr(from, to - from);
    if (!line.empty() && line.size() + 1 + word.size() > 78) {
      wrapped += line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + std::string(word);
    from = to + 1;
  }
  return wrapped + line + "\n";
}

}  // namespace

bool Parsed::Has(std::string_view option) const {
  return option == "help" ||
         std::ranges::any_of(verb.options, [option](const OptionSpec& o) { return o.name == option; });
}

// An option the verb does not have is never set: shared code may ask.
bool Parsed::Set(std::string_view option) const { return Has(option) && parser.isSet(Q(option)); }

std::string Parsed::Value(std::string_view option) const {
  return Has(option) ? parser.value(Q(option)).toStdString() : std::string();
}

std::vector<std::string> Parsed::Values(std::string_view option) const {
  std::vector<std::string> values;
  for (const QString& value : parser.values(Q(option))) values.push_back(value.toStdString());
  return values;
}

std::vector<std::string> Parsed::Positional() const {
  std::vector<std::string> values;
  for (const QString& value : parser.positionalArguments()) values.push_back(value.toStdString());
  return values;
}

std::optional<std::optional<uint32_t>> Parsed::Hex(std::string_view option, uint32_t most) const {
  if (!Set(option)) return std::optional<uint32_t>();
  std::string text = Value(option);
  if (text.starts_with("0x") || text.starts_with("0X")) text.erase(0, 2);
  const auto value = HexValue(text, most);
  if (!value) return std::nullopt;
  return value;
}

int Parsed::Usage(std::string_view what) const {
  std::cerr << verb.name << ": " << what << "\nTry 'ambrelin-cli " << verb.name << " --help'.\n";
  return ExitUsage;
}

bool Parsed::English() const { return Value("lang") == "en"; }

std::optional<uint8_t> Parsed::Fill() const {
  const std::string fill = Lower(Value("fill"));
  if (fill == "00") return uint8_t{0x00};
  if (fill == "ff") return uint8_t{0xFF};
  Usage("--fill must be 00 or ff");
  return std::nullopt;
}

std::optional<double> Parsed::Seconds(std::string_view option) const {
  if (!Set(option)) return 0.0;
  bool number = false;
  const double seconds = parser.value(Q(option)).toDouble(&number);
  if (number && seconds > 0 && std::isfinite(seconds)) return seconds;
  Usage("--" + std::string(option) + " must be a number of seconds above 0");
  return std::nullopt;
}

ProductionWho Parsed::Who() const { return {Value("operator"), Value("order"), Value("station")}; }

std::string VerbHelp(const VerbSpec& verb) {
  std::string help = "Usage: ambrelin-cli " + std::string(verb.name) + " [options]";
  if (!verb.arguments.empty()) help += " " + std::string(verb.arguments);
  help += "\n" + Wrapped(verb.description) + "\nOptions:\n";
  std::vector<std::pair<std::string, std::string>> rows;
  for (const OptionSpec& o : verb.options) {
    std::string name = "--" + std::string(o.name);
    if (!o.value.empty()) name += " " + std::string(o.value);
    std::string text(o.help);
    if (!o.fallback.empty()) text += " (default: " + std::string(o.fallback) + ")";
    rows.emplace_back(name, text);
  }
  rows.emplace_back("-h, --help", "this help");
  size_t width = 0;
  for (const auto& row : rows) width = std::max(width, row.first.size());
  for (const auto& [name, text] : rows) help += "  " + name + std::string(width - name.size() + 2, ' ') + text + "\n";
  return help;
}

int RunVerb(const VerbSpec& verb, const std::vector<std::string>& args) {
  Parsed parsed{verb, args, {}};
  QCommandLineParser& parser = parsed.parser;
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
  parser.addOption(QCommandLineOption({"h", "help"}, "this help"));
  for (const OptionSpec& o : verb.options)
    parser.addOption(QCommandLineOption(Q(o.name), Q(o.help), Q(o.value), Q(o.fallback)));
  QStringList list{"ambrelin-cli"};
  for (const std::string& arg : args) list << QString::fromStdString(arg);
  if (!parser.parse(list)) {
    std::string error = parser.errorText().toStdString();
    if (!error.empty()) error[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(error[0])));
    if (error.ends_with('.')) error.pop_back();
    return parsed.Usage(error);
  }
  if (parsed.Set("help")) {
    std::cout << VerbHelp(verb);
    return ExitOk;
  }
  if (parsed.Set("lang") && parsed.Value("lang") != "en" && parsed.Value("lang") != "zh")
    return parsed.Usage("--lang must be en or zh");
  return verb.run(parsed);
}
