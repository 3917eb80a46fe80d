// The atomic file write on Windows, on the file system wine gives.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/atomic_file.h"

namespace orvane::util {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class WinAtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("orvane-atomic-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
};

TEST_F(WinAtomicFileTest, CreatesAndReplacesWholeFilesLeavingNoTemporary) {
  const std::string path = (folder_ / "Macro.bin").string();
  ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>(300, 0xAB)));
  EXPECT_EQ(ReadAll(path), std::string(300, '\xAB'));
  ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(ReadAll(path), std::string("\x01\x02\x03"));
  EXPECT_EQ(Names(), std::vector<std::string>{"Macro.bin"});
}

TEST_F(WinAtomicFileTest, AFolderInTheWayIsRefusedUntouchedWithTheReason) {
  const fs::path blocked = folder_ / "profile.bin";
  fs::create_directories(blocked / "inside");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(blocked.string(), std::vector<uint8_t>{1}, &error));
  EXPECT_NE(error.find("profile.bin"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(blocked / "inside"));
  EXPECT_EQ(Names(), std::vector<std::string>{"profile.bin"});
}

TEST_F(WinAtomicFileTest, AMissingFolderIsAFailureThatSaysWhy) {
  std::string error;
  const std::string path = (folder_ / "gone" / "Macro.bin").string();
  EXPECT_FALSE(WriteFileAtomically(path, std::vector<uint8_t>{1}, &error));
  EXPECT_NE(error.find("Macro.bin"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(path));
}

// A writer that died leaves its temporary file; the next write of the same
// file clears it. A live writer's (this process's) stays.
TEST_F(WinAtomicFileTest, TemporariesOfDeadWritersAreClearedAndLiveOnesKept) {
  const std::string live = ".Macro.bin.orvane-" + std::to_string(GetCurrentProcessId()) + "-7";
  const std::string dead = ".Macro.bin.orvane-4000000000-7";
  std::ofstream(folder_ / live) << "x";
  std::ofstream(folder_ / dead) << "x";
  ASSERT_TRUE(WriteFileAtomically((folder_ / "Macro.bin").string(), std::vector<uint8_t>{9}));
  EXPECT_EQ(Names(), (std::vector<std::string>{live, "Macro.bin"}));
}

}  // namespace
}  // namespace orvane::util
