#include "data/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zunobi::data {
namespace {

TEST(Folders, PathsBesideTheProgram) {
  EXPECT_EQ(DataFolder("/opt/zunobi"), "/opt/zunobi/file/");
  EXPECT_EQ(WorkFolder("/opt/zunobi"), "/opt/zunobi/作業ファイル/");
  EXPECT_EQ(DocumentFolder("/opt/zunobi"), "/opt/zunobi/bun/");
  EXPECT_EQ(DataFolder("/opt/zunobi") + "二字熟語.csv", "/opt/zunobi/file/二字熟語.csv");
}

TEST(Folders, DocumentNames) {
  struct Case {
    int n;
    const char* name;
  } cases[] = {{1, "b001.csv"},  {7, "b007.csv"},   {10, "b010.csv"},
               {68, "b068.csv"}, {100, "b100.csv"}, {1234, "b1234.csv"}};
  for (const auto& c : cases) EXPECT_EQ(DocumentFileName(c.n), c.name);
  EXPECT_THROW(DocumentFileName(-1), std::out_of_range);
}

TEST(Folders, TheProgramFolderIsTheFolderOfTheRunningProgram) {
  std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/') << "no trailing separator";
  EXPECT_TRUE(std::filesystem::exists(folder + "/test_data")) << folder;
  // The test program runs from the build's bin folder, beside the data.
  EXPECT_EQ(DataFolder(), folder + "/file/");
}

TEST(Folders, ATestMayPutAnotherFolderInPlace) {
  std::string real = ProgramFolder();
  {
    ScopedProgramFolder outer("/tmp/a/");
    EXPECT_EQ(ProgramFolder(), "/tmp/a");
    EXPECT_EQ(WorkFolder(), "/tmp/a/作業ファイル/");
    {
      ScopedProgramFolder inner("/tmp/b");
      EXPECT_EQ(DocumentFolder(), "/tmp/b/bun/");
    }
    EXPECT_EQ(ProgramFolder(), "/tmp/a");
  }
  EXPECT_EQ(ProgramFolder(), real);
}

}  // namespace
}  // namespace zunobi::data
