#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST_F(AtomicFileTest, KeepsTheFilesPermissionsAndWritesThroughSymlinks) {
  const fs::path path = folder_ / "private.bin";
  std::ofstream(path) << "old";
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
  ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>{'n', 'e', 'w'}));
  EXPECT_EQ(ReadAll(path), "new");
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  // A link (here a relative one) keeps being a link; its target is replaced.
  const fs::path link = folder_ / "link.bin";
  fs::create_symlink("private.bin", link);
  ASSERT_TRUE(WriteFileAtomically(link, std::vector<uint8_t>{'v', '2'}));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadAll(path), "v2");
  EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(AtomicFileTest, RefusesWhatIsNotARegularFile) {
  const fs::path fifo = folder_ / "fifo.bin";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const fs::path link_to_fifo = folder_ / "to-fifo.bin";
  fs::create_symlink(fifo, link_to_fifo);
  for (const fs::path& path : {fifo, link_to_fifo}) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, std::vector<uint8_t>{1}, &error)) << path;
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(AtomicFileTest, TemporariesOfAKilledWriterAreRemovedByTheNextWrite) {
  const fs::path path = folder_ / "Macro.bin";
  // A process id that cannot be alive: the writer that left this is gone.
  std::ofstream(folder_ / ".Macro.bin.orvane-2147483646-99") << "half";
  // One of a writer still at work (this process) is left alone.
  const fs::path live = folder_ / (".Macro.bin.orvane-" + std::to_string(getpid()) + "-7");
  std::ofstream(live) << "busy";
  ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>{1}));
  EXPECT_FALSE(fs::exists(folder_ / ".Macro.bin.orvane-2147483646-99"));
  EXPECT_TRUE(fs::exists(live));
}

}  // namespace
}  // namespace orvane::util
