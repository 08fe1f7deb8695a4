#include "data/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zunobi::data {
namespace {

// The folder check's findings name the folders and b001, b033 and b068.
TEST(Folders, DocumentNamesPadToThreeDigitsOnly) { EXPECT_EQ(DocumentFileName(1234), "b1234.csv"); }

TEST(Folders, TheProgramFolderIsTheRunningProgramsOrOneSetByATest) {
  std::string real = ProgramFolder();
  EXPECT_TRUE(std::filesystem::exists(real + "/test_data")) << real;
  {
    ScopedProgramFolder outer("/tmp/a/");
    EXPECT_EQ(DataFolder(), "/tmp/a/file/");
    {
      ScopedProgramFolder inner("/tmp/b");
      EXPECT_EQ(ProgramFolder(), "/tmp/b");
    }
    EXPECT_EQ(ProgramFolder(), "/tmp/a");
  }
  EXPECT_EQ(ProgramFolder(), real);
}

}  // namespace
}  // namespace zunobi::data
