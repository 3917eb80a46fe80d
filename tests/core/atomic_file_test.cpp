#include "core/util/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace orvane::util {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("orvane-atomic-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), {}));
  }

  fs::path folder_;
};

TEST_F(AtomicFileTest, CreatesAndReplacesWholeFiles) {
  const fs::path path = folder_ / "Macro.bin";
  const std::vector<uint8_t> first(300, 0xAB);
  const std::vector<uint8_t> second = {1, 2, 3};
  ASSERT_TRUE(WriteFileAtomically(path, first));
  EXPECT_EQ(ReadAll(path), std::string(300, '\xAB'));
  ASSERT_TRUE(WriteFileAtomically(path, second));
  EXPECT_EQ(ReadAll(path), std::string("\x01\x02\x03"));
  EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left behind
}

TEST_F(AtomicFileTest, AFailedWriteKeepsTheOldContentAndSaysWhy) {
  // A directory where the file should be: the final rename cannot succeed.
  const fs::path blocked = folder_ / "profile.bin";
  fs::create_directories(blocked / "inside");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(blocked, std::vector<uint8_t>{1}, &error));
  EXPECT_NE(error.find("profile.bin"), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(blocked / "inside"));
  EXPECT_EQ(FilesInFolder(), 1u);

  error.clear();
  EXPECT_FALSE(WriteFileAtomically(folder_ / "missing" / "x.bin", std::vector<uint8_t>{1}, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace orvane::util
