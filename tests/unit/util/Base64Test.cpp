#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "support/FakePlatform.h"
#include "util/Base64.h"

namespace tavimo {
namespace {

using namespace std::string_literals;

std::string bytes(std::size_t count) {
  std::string text(count, '\0');
  for (std::size_t i = 0; i < count; ++i) text[i] = static_cast<char>(i * 7 + 3);
  return text;
}

// Expects the call to fail with exactly this error.
template <class Call>
void expectError(Call call, std::int32_t number, const std::string& source, const std::string& description) {
  try {
    call();
    ADD_FAILURE() << "no error";
  } catch (const Error& error) {
    EXPECT_EQ(number, error.number);
    EXPECT_EQ(source, error.source);
    EXPECT_EQ(description, error.description);
  }
}

class Base64Test : public ::testing::Test {
 protected:
  testing::FakePlatform fakes;
  Base64 codec;
};

TEST_F(Base64Test, EncodesTextAndBytes) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {"qorvu", "cW9ydnU="},  // the default password as it is stored
      {"\xff\xfe\x00"s, "//4A"},
      {"\xe9t\xe9", "6XTp"},  // ANSI text goes as its bytes
  };
  for (const auto& [text, encoded] : cases) {
    SCOPED_TRACE(encoded);
    EXPECT_EQ(encoded, codec.Encode(text));
    EXPECT_EQ(encoded, codec.EncodeArr({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}));
  }
}

TEST_F(Base64Test, BreaksLinesAfterEvery76Characters) {
  struct Case {
    std::size_t inputBytes;
    std::vector<std::size_t> lineLengths;  // each line is followed by CR LF but the last
    bool endsWithBreak;
  };
  const Case cases[] = {
      {56, {76}, false},
      {57, {76}, false},  // exactly 76 characters: no break
      {58, {76, 4}, false},
      {111, {76, 72}, false},
      {112, {76, 76}, true},  // a multiple of 76: the last line is followed by CR LF as well
      {113, {76, 76}, true},
      {114, {76, 76}, true},
      {115, {76, 76, 4}, false},
      {171, {76, 76, 76}, true},
      {200, {76, 76, 76, 40}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.inputBytes);
    const std::string encoded = codec.Encode(bytes(c.inputBytes));
    std::string expected;
    std::string unbroken;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
      if (encoded[i] != '\r' && encoded[i] != '\n') unbroken += encoded[i];
    }
    std::size_t at = 0;
    for (std::size_t i = 0; i < c.lineLengths.size(); ++i) {
      expected += unbroken.substr(at, c.lineLengths[i]);
      at += c.lineLengths[i];
      if (i + 1 < c.lineLengths.size() || c.endsWithBreak) expected += "\r\n";
    }
    EXPECT_EQ(at, unbroken.size());
    EXPECT_EQ(expected, encoded);
    EXPECT_EQ(bytes(c.inputBytes), codec.Decode(encoded));
  }
}

TEST_F(Base64Test, Decodes) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"Zm9vYmFy", "foobar"},
      {"Zm9vYg==", "foob"},
      {"Zm9vYg", "foob"},  // padding is never required
      {"Zm9v\r\nYmFy", "foobar"},  // CR LF pairs are dropped
      {"Zm9v\r\n\r\nYmFy\r\n", "foobar"},
      {"Zm=9vYmFy", "foobar"},  // so is every "=", wherever it stands
      {"Zm\r=\nYg", "f\x60\x00" "b"s},  // a CR and LF that are no pair count as "A" each
      {"Zm9v\nYmFy", "foo\x01\x89\x85\x00"s},  // a lone LF counts as "A" and shifts the rest
      {"Zm9v\rYmFy", "foo\x01\x89\x85\x00"s},  // so does a lone CR
      {"Zm9vY", "foo\x00"s},  // a single character left over gives a byte of 0
      {"Y", "\x00"s},
      {"Z!9v", "d\x0f" "o"s},  // outside the alphabet counts as "A"
      {"\x89\x8b\x8c\x9c", "\xd3\xd4R"s},  // ANSI characters whose Unicode ends in "0", "9", "R", "S"
      {"\x9a\x9f\x80\xe9", "k\x10\x00"s},  // ... in "a", "x"; the others count as "A"
  };
  for (const auto& [text, decoded] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(decoded, codec.Decode(text));
    const std::vector<std::uint8_t> array = text.empty() ? std::vector<std::uint8_t>() : codec.DecodeArr(text);
    EXPECT_EQ(decoded, std::string(array.begin(), array.end()));
  }
}

TEST_F(Base64Test, TextLeftEmptyAfterRemovalsFails) {
  for (const std::string text : {"=", "====", "\r\n", "\r\n==\r\n"}) {
    SCOPED_TRACE(text);
    expectError([&] { codec.Decode(text); }, Base64::EmptyInput, "Base64.DecodeArr", "Subscript out of range");
    expectError([&] { codec.DecodeArr(text); }, Base64::EmptyInput, "Base64.DecodeArr", "Subscript out of range");
  }
  expectError([&] { codec.DecodeArr(""); }, Base64::EmptyInput, "Base64.DecodeArr", "Subscript out of range");
}

TEST_F(Base64Test, DecodingWhatWasEncodedGivesTheSameBack) {
  std::mt19937 random(7);
  for (std::size_t size : {1u, 2u, 3u, 56u, 57u, 58u, 113u, 114u, 115u, 1000u, 65536u}) {
    SCOPED_TRACE(size);
    std::string text(size, '\0');
    for (char& c : text) c = static_cast<char>(random());
    const std::string encoded = codec.Encode(text);
    EXPECT_EQ(text, codec.Decode(encoded));
    EXPECT_EQ(encoded, codec.Encode(codec.Decode(encoded)));
  }
}

TEST_F(Base64Test, EncodesAFile) {
  const std::string file = fakes.systemFile("in.bin");
  EXPECT_EQ("", codec.EncodeFromFile(file));  // missing
  ASSERT_TRUE(fakes.files.writeAll(file, ""));
  EXPECT_EQ("", codec.EncodeFromFile(file));  // empty
  ASSERT_TRUE(fakes.files.writeAll(file, "foob\0r"s));
  EXPECT_EQ("Zm9vYgBy", codec.EncodeFromFile(file));
}

TEST_F(Base64Test, DecodesToANewFileOnly) {
  const std::string file = fakes.systemFile("out.bin");
  codec.DecodeToFile("Zm9v\r\nYgBy", file);
  EXPECT_EQ("foob\0r"s, fakes.files.readAll(file));

  expectError([&] { codec.DecodeToFile("YWJj", file); }, Base64::FileExists, "Base64.DecodeToFile",
              "File already exists.");
  EXPECT_EQ("foob\0r"s, fakes.files.readAll(file));
}

TEST_F(Base64Test, DecodeToFileCreatesNothingWhenDecodingFails) {
  const std::string file = fakes.systemFile("out.bin");
  expectError([&] { codec.DecodeToFile("==", file); }, Base64::EmptyInput, "Base64.DecodeArr",
              "Subscript out of range");
  EXPECT_FALSE(fakes.files.exists(file));
  expectError([&] { codec.DecodeToFile("YWJj", fakes.systemFile("missing\\out.bin")); }, Base64::WriteFailed,
              "Base64.DecodeToFile", "Path/File access error");
}

}  // namespace
}  // namespace tavimo
