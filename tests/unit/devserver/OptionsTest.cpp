#include <gtest/gtest.h>

#include "core/Options.h"

namespace tavimo::devserver {
namespace {

using Arguments = std::vector<std::string>;

TEST(DevServerOptions, ServeOptions) {
  const Options options = parseOptions({"--config", "cafe.ini", "--address=0.0.0.0", "--quiet",
                                        "--once-log", "log.txt", "--date", "3/5/2024", "--time",
                                        "01:05:09 pm"});
  EXPECT_EQ(options.mode, Options::Mode::serve);
  EXPECT_EQ(options.serve.config, std::filesystem::path("cafe.ini"));
  EXPECT_EQ(options.serve.address, "0.0.0.0");
  EXPECT_TRUE(options.serve.quiet);
  EXPECT_EQ(options.serve.logFile, std::filesystem::path("log.txt"));
  EXPECT_EQ(options.serve.date, "03/05/2024");
  EXPECT_EQ(options.serve.time, "1:05:09 PM");

  const Options plain = parseOptions({});
  EXPECT_EQ(plain.mode, Options::Mode::serve);
  EXPECT_FALSE(plain.serve.config || plain.serve.address || plain.serve.quiet ||
               plain.serve.logFile || plain.serve.date || plain.serve.time);
}

TEST(DevServerOptions, SendOptions) {
  const Options options = parseOptions({"send", "--to", "192.168.1.21", "1Hello there"});
  EXPECT_EQ(options.mode, Options::Mode::send);
  EXPECT_EQ(options.send.to, "192.168.1.21");
  EXPECT_EQ(options.send.text, "1Hello there");
  EXPECT_EQ(options.send.address, std::nullopt);
  EXPECT_EQ(parseOptions({"send", "--to=pc", "--", "-odd"}).send.text, "-odd");
}

TEST(DevServerOptions, Help) {
  EXPECT_EQ(parseOptions({"--help"}).mode, Options::Mode::help);
  EXPECT_EQ(parseOptions({"send", "--help"}).mode, Options::Mode::help);
}

TEST(DevServerOptions, MistakesAreNamed) {
  const struct {
    Arguments arguments;
    const char* error;
  } cases[] = {
      {{"--config"}, "--config needs a value"},
      {{"--port", "1"}, "unknown option --port"},
      {{"--quiet=yes"}, "unknown option --quiet"},
      {{"serve"}, "unexpected argument \"serve\""},
      {{"--date", "2024-03-05"}, "--date needs a date mm/dd/yyyy, not \"2024-03-05\""},
      {{"--time", "13:05:09"}, "--time needs a time such as \"1:05:09 PM\", not \"13:05:09\""},
      {{"send", "5"}, "send needs --to HOST"},
      {{"send", "--to", "pc"}, "send needs the TEXT of a remote command"},
      {{"send", "--to", "pc", ""}, "send needs the TEXT of a remote command"},
      {{"send", "--to", "pc", "1Hello", "there"}, "send takes one TEXT; put it in quotes"},
  };
  for (const auto& c : cases) {
    try {
      parseOptions(c.arguments);
      ADD_FAILURE() << "no error for " << c.error;
    } catch (const UsageError& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  }
}

}  // namespace
}  // namespace tavimo::devserver
