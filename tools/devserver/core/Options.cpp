#include "core/Options.h"

#include <functional>
#include <map>

#include "core/ClockText.h"

namespace tavimo::devserver {
namespace {

// Walks the arguments; "--name value" and "--name=value" both give a value.
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}
  bool done() const { return next_ >= arguments_.size(); }
  const std::string& take() { return arguments_[next_++]; }
  std::string valueOf(const std::string& option, std::optional<std::string> inlineValue) {
    if (inlineValue) return *inlineValue;
    if (done()) throw UsageError(option + " needs a value");
    return take();
  }

 private:
  const std::vector<std::string>& arguments_;
  std::size_t next_ = 0;
};

// Splits "--date=03/15/2024" into the option and its value.
std::pair<std::string, std::optional<std::string>> splitOption(const std::string& argument) {
  const auto equals = argument.find('=');
  if (!argument.starts_with("--") || equals == std::string::npos) return {argument, std::nullopt};
  return {argument.substr(0, equals), argument.substr(equals + 1)};
}

using OptionReader = std::function<void(const std::string& value)>;

void readOptions(ArgumentReader& reader, const std::map<std::string, OptionReader>& valued,
                 const std::map<std::string, std::function<void()>>& flags,
                 const std::function<void(const std::string&)>& positional) {
  bool optionsEnded = false;
  while (!reader.done()) {
    const std::string& argument = reader.take();
    if (optionsEnded || !argument.starts_with("-") || argument == "-") {
      positional(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    const auto [option, inlineValue] = splitOption(argument);
    if (const auto flag = flags.find(option); flag != flags.end() && !inlineValue) {
      flag->second();
    } else if (const auto found = valued.find(option); found != valued.end()) {
      found->second(reader.valueOf(option, inlineValue));
    } else {
      throw UsageError("unknown option " + option);
    }
  }
}

Options parseServe(ArgumentReader& reader) {
  Options options;
  ServeOptions& serve = options.serve;
  readOptions(
      reader,
      {
          {"--config", [&](const std::string& v) { serve.config = v; }},
          {"--address", [&](const std::string& v) { serve.address = v; }},
          {"--once-log", [&](const std::string& v) { serve.logFile = v; }},
          {"--date",
           [&](const std::string& v) {
             serve.date = normalDateText(v);
             if (!serve.date) throw UsageError("--date needs a date mm/dd/yyyy, not \"" + v + "\"");
           }},
          {"--time",
           [&](const std::string& v) {
             serve.time = normalTimeText(v);
             if (!serve.time) {
               throw UsageError("--time needs a time such as \"1:05:09 PM\", not \"" + v + "\"");
             }
           }},
      },
      {
          {"--quiet", [&] { serve.quiet = true; }},
          {"--help", [&] { options.mode = Options::Mode::help; }},
      },
      [](const std::string& argument) {
        throw UsageError("unexpected argument \"" + argument + "\"");
      });
  return options;
}

Options parseSend(ArgumentReader& reader) {
  Options options;
  options.mode = Options::Mode::send;
  SendOptions& send = options.send;
  bool haveText = false;
  readOptions(
      reader,
      {
          {"--to", [&](const std::string& v) { send.to = v; }},
          {"--address", [&](const std::string& v) { send.address = v; }},
      },
      {{"--help", [&] { options.mode = Options::Mode::help; }}},
      [&](const std::string& argument) {
        if (haveText) throw UsageError("send takes one TEXT; put it in quotes");
        send.text = argument;
        haveText = true;
      });
  if (options.mode == Options::Mode::help) return options;
  if (send.to.empty()) throw UsageError("send needs --to HOST");
  if (send.text.empty()) throw UsageError("send needs the TEXT of a remote command");
  return options;
}

}  // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
  ArgumentReader reader(arguments);
  if (!reader.done() && arguments.front() == "send") {
    reader.take();
    return parseSend(reader);
  }
  return parseServe(reader);
}

std::string usageText() {
  return "usage: tavimo-devserver [--config FILE] [--address ADDR] [--quiet] [--once-log FILE]\n"
         "                        [--date mm/dd/yyyy] [--time \"h:mm:ss AM\"]\n"
         "       tavimo-devserver send --to HOST [--address ADDR] TEXT\n"
         "\n"
         "The first form runs the development cafe server on ADDR (default: the configuration's\n"
         "address, else 127.0.0.1); FILE defaults to devserver.ini beside the program. Type\n"
         "help at its console for the console commands. The second form sends TEXT as one\n"
         "remote command from port 45678 to HOST:45664 and ends.\n";
}

}  // namespace tavimo::devserver
