#include "data/folders.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zunobi::data {
namespace {

TEST(Folders, PathsAndNames) {
  EXPECT_EQ(DataFolder("/opt/z") + "二字熟語.csv", "/opt/z/file/二字熟語.csv");
  EXPECT_EQ(WorkFolder("/opt/z"), "/opt/z/作業ファイル/");
  EXPECT_EQ(DocumentFolder("/opt/z"), "/opt/z/bun/");
  for (auto [n, name] :
       {std::pair{1, "b001.csv"}, std::pair{68, "b068.csv"}, std::pair{1234, "b1234.csv"}})
    EXPECT_EQ(DocumentFileName(n), name);
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
