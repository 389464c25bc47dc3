// Whole-file operations through the seam, with the same results from std::filesystem and
// from kernel32.
#include <gtest/gtest.h>

#include "ContractPlatform.h"

namespace tavimo::contract {
namespace {

class FilesContract : public ::testing::Test {
 protected:
  ScratchFolder folder;
  std::unique_ptr<Files> files = makeFiles();
  std::string file = folder.file("data.bin");
};

TEST_F(FilesContract, BytesGoInAndComeOutAsTheyAre) {
  const std::string bytes("a\0b\r\nc\n\xff", 8);
  ASSERT_TRUE(files->writeAll(file, bytes));
  EXPECT_EQ(bytes, files->readAll(file));
  ASSERT_TRUE(files->writeAll(file, "short"));  // replaces, no rest of the old content
  EXPECT_EQ("short", files->readAll(file));
  ASSERT_TRUE(files->writeAll(file, ""));
  EXPECT_EQ("", files->readAll(file));
}

TEST_F(FilesContract, AppendCreatesThenAdds) {
  ASSERT_TRUE(files->append(file, "one"));
  ASSERT_TRUE(files->append(file, ""));
  ASSERT_TRUE(files->append(file, "two"));
  EXPECT_EQ("onetwo", files->readAll(file));
}

TEST_F(FilesContract, ExistsOnlyForFiles) {
  EXPECT_FALSE(files->exists(file));
  EXPECT_EQ(std::nullopt, files->readAll(file));
  ASSERT_TRUE(files->writeAll(file, "x"));
  EXPECT_TRUE(files->exists(file));
  EXPECT_FALSE(files->exists(folder.path()));
}

TEST_F(FilesContract, RemoveDeletesFilesOnly) {
  EXPECT_FALSE(files->remove(file));
  ASSERT_TRUE(files->writeAll(file, "x"));
  EXPECT_TRUE(files->remove(file));
  EXPECT_FALSE(files->exists(file));
  EXPECT_FALSE(files->remove(folder.path()));
}

TEST_F(FilesContract, NothingIsWrittenIntoAMissingFolder) {
  const std::string lost = folder.file("missing\\data.bin");
  EXPECT_FALSE(files->writeAll(lost, "x"));
  EXPECT_FALSE(files->append(lost, "x"));
  EXPECT_FALSE(files->writeAll(folder.path(), "x"));  // a folder is no file
}

TEST_F(FilesContract, MoveReplacesTheTarget) {
  const std::string other = folder.file("other.bin");
  ASSERT_TRUE(files->writeAll(file, "old"));
  ASSERT_TRUE(files->writeAll(other, "new"));
  ASSERT_TRUE(files->move(other, file));
  EXPECT_EQ("new", files->readAll(file));
  EXPECT_FALSE(files->exists(other));
  EXPECT_FALSE(files->move(other, file));
}

TEST_F(FilesContract, ReplaceAtomicallyLeavesOnlyTheNewContent) {
  ASSERT_TRUE(files->writeAll(file, "old content"));
  ASSERT_TRUE(files->replaceAtomically(file, "new"));
  EXPECT_EQ("new", files->readAll(file));
  std::size_t entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) entries += !entry.is_directory();
  EXPECT_EQ(1u, entries);
  EXPECT_FALSE(files->replaceAtomically(folder.file("missing\\data.bin"), "x"));
}

}  // namespace
}  // namespace tavimo::contract
