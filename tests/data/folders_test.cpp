#include "data/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zunobi::data {
namespace {

TEST(Folders, PathsAndNames) {
  EXPECT_EQ(DataFolder("/opt/z") + "二字熟語.csv", "/opt/z/file/二字熟語.csv");
  EXPECT_EQ(WorkFolder("/opt/z"), "/opt/z/作業ファイル/");
  EXPECT_EQ(DocumentFolder("/opt/z"), "/opt/z/bun/");
  struct Case {
    int n;
    const char* name;
  } cases[] = {{1, "b001.csv"}, {7, "b007.csv"}, {68, "b068.csv"}, {1234, "b1234.csv"}};
  for (const auto& c : cases) EXPECT_EQ(DocumentFileName(c.n), c.name);
}

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
