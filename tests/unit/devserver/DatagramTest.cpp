#include <gtest/gtest.h>

#include "core/Datagram.h"

namespace tavimo::devserver {
namespace {

struct FieldsCase {
  std::string text;
  std::size_t count;
  char code;
  std::vector<std::string> fields;
};

TEST(DevServerDatagram, CodeAndFields) {
  const FieldsCase cases[] = {
      {"", 0, '\0', {}},
      {"1", 0, '1', {}},
      {"1|", 0, '1', {""}},
      {"1|PC01", 0, '1', {"PC01"}},
      {"0|PC01|rates", 0, '0', {"PC01", "rates"}},
      {"0|PC01|a|b", 2, '0', {"PC01", "a|b"}},     // the last field takes the rest
      {"0|PC01", 3, '0', {"PC01"}},                 // fewer than asked for
      {"1xPC01", 0, '1', {"PC01"}},                 // the second character is skipped
      {"2|Coffee,2||PC01", 0, '2', {"Coffee,2", "", "PC01"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\" count " + std::to_string(c.count));
    EXPECT_EQ(datagramCode(c.text), c.code);
    EXPECT_EQ(datagramFields(c.text, c.count), c.fields);
  }
}

TEST(DevServerDatagram, PrintableEscapesEverythingAControlCharacterCouldHide) {
  EXPECT_EQ(printable("anna 12345"), "anna 12345");
  EXPECT_EQ(printable(std::string("a\x1b[31m\r\n\0\xe9\\", 11)), "a\\x1B[31m\\x0D\\x0A\\x00\\xE9\\\\");
}

TEST(DevServerDatagram, DescribeSplitsTheFields) {
  EXPECT_EQ(describeDatagram("0|PC01|anna"), "code 0 [PC01] [anna]");
  EXPECT_EQ(describeDatagram("0|"), "code 0 []");
  EXPECT_EQ(describeDatagram("5"), "code 5 (no fields)");
  EXPECT_EQ(describeDatagram(""), "(empty datagram)");
}

}  // namespace
}  // namespace tavimo::devserver
