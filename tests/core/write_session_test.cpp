#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "core/config/section_checks.h"
#include "core/device/profile_files.h"
#include "core/session_fixture.h"

namespace orvane::device {
namespace {

namespace fs = std::filesystem;
using testing::SessionFixture;

void WriteFile(const fs::path& path, const config::Image& image, size_t size = 2048) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), size);
}

config::Image ReadFile(const fs::path& path) {
  config::Image image{};
  std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(image.data()), 2048);
  return image;
}

// A read, then an edit of level 2's DPI on the pages; `long_write` also
// changes every macro slot byte, so the write takes 171 chunks.
struct EditedMouse : SessionFixture {
  explicit EditedMouse(bool long_write = false) {
    EXPECT_EQ(sessions.ReadDevInfo(), SessionOutcome::kDone);
    config.data.ParameterA[7] = 9;  // level 2: 4800 DPI
    if (long_write) {
      for (uint8_t& byte : config.MacroSlots1To4)
        byte = static_cast<uint8_t>(~byte);
    }
    writes_before = Requests(CmdWriteStart);
    chunks_before = Requests(CmdWriteNext);
    reads_before = Requests(CmdReadStart);
  }
  uint64_t writes_before = 0;
  uint64_t chunks_before = 0;
  uint64_t reads_before = 0;
};

// After a read the write sends only the changed runs (byte 7 and the
// section's checksum at 47, two one-chunk writes), and reads everything back.
TEST(WriteSession, AWriteAfterAReadSendsTheChangesAndReadsAllBack) {
  EditedMouse f;
  EXPECT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
  EXPECT_EQ(f.Requests(CmdWriteStart) - f.writes_before, 2u);
  EXPECT_EQ(f.Requests(CmdWriteNext) - f.chunks_before, 2u);
  EXPECT_EQ(f.Requests(CmdReadStart) - f.reads_before, 1u);
  EXPECT_EQ(f.mouse.firmware->memory()[7], 9);
  EXPECT_TRUE(
      config::ChecksumMatches(std::span<const uint8_t>(f.mouse.firmware->memory().data(), 48)));
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_TRUE(f.ui.Restored());
  EXPECT_EQ(f.sessions.LastWriteRepairPasses(), 0);
}

// Whatever the edit, the mouse ends as a whole write leaves it: holding the
// image the pages collected, the checksums sealed. Only the changed runs
// travel; a read is followed by no write at all when nothing changed.
TEST(WriteSession, TheChangesEndAsAWholeWriteWould) {
  struct Case {
    const char* what;
    std::function<void(config::Configuration&)> edit;
    std::optional<uint64_t> chunks;  // CmdWriteNext; any: no more than a whole write's
  };
  const Case cases[] = {
      {"nothing", [](config::Configuration&) {}, 0},
      {"one button", [](config::Configuration& c) { c.data.ProfileKeys[3 * 4 + 1] = 0x02; }, 2},
      {"one DPI level", [](config::Configuration& c) { c.data.ParameterA[8] = 7; }, 2},
      {"a macro slot",
       [](config::Configuration& c) { std::fill_n(c.MacroSlots1To4.begin() + 256, 40, 0x5A); }, 7},
      {"everything",
       [](config::Configuration& c) {
         for (uint8_t& byte : c.MacroSlots1To4)
           byte = static_cast<uint8_t>(~byte);
         for (uint8_t& byte : c.MacroSlots5To6)
           byte = static_cast<uint8_t>(~byte);
         for (uint8_t& byte : c.FireMacroBlock)
           byte = static_cast<uint8_t>(~byte);
         c.data.ParameterA[8] = 7;
         c.data.ProfileKeys[3 * 4 + 1] = 0x02;
       },
       std::nullopt},
  };
  for (const Case& c : cases) {
    EditedMouse f;
    f.config.data.ParameterA[7] = f.mouse.firmware->memory()[7];  // only this case's edit
    c.edit(f.config);
    ASSERT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone) << c.what;
    EXPECT_EQ(f.mouse.firmware->memory(), f.config.DevImage) << c.what;
    const uint64_t chunks = f.Requests(CmdWriteNext) - f.chunks_before;
    EXPECT_LE(chunks, 342u) << c.what;
    if (c.chunks) {
      EXPECT_EQ(chunks, *c.chunks) << c.what;
    }
    EXPECT_EQ(f.Requests(CmdReadStart) - f.reads_before, 1u) << c.what;
  }
}

// Bytes the mouse changed by itself since the read are found by the
// read-back and repaired, as after a whole write.
TEST(WriteSession, BytesTheMouseChangedSinceTheReadAreRepaired) {
  EditedMouse f;
  f.mouse.firmware->memory()[0x700] ^= 0xFF;
  ASSERT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
  EXPECT_EQ(f.sessions.LastWriteRepairPasses(), 1);
  EXPECT_EQ(f.mouse.firmware->memory(), f.config.DevImage);
}

// Without a complete read of this mouse behind it, the write is whole.
TEST(WriteSession, AfterAFailedSessionOrALoadedFileTheWriteIsWhole) {
  {
    EditedMouse f;
    f.mouse.firmware->faults().lose_read_chunks_at = {3};
    EXPECT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kReadFailed);
    f.mouse.firmware->faults().lose_read_chunks_at.clear();
    const uint64_t chunks = f.Requests(CmdWriteNext);
    ASSERT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
    EXPECT_EQ(f.Requests(CmdWriteNext) - chunks, 342u) << "after a failed read";
    const uint64_t again = f.Requests(CmdWriteNext);
    ASSERT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
    EXPECT_EQ(f.Requests(CmdWriteNext) - again, 0u) << "after a verified write, nothing to send";
  }
  EditedMouse f;
  WriteFile(f.folder / "profile.bin", SessionFixture::MouseImage());
  const uint64_t chunks = f.Requests(CmdWriteNext);
  ASSERT_EQ(f.sessions.LoadProfile((f.folder / "profile.bin").string()), SessionOutcome::kDone);
  EXPECT_EQ(f.Requests(CmdWriteNext) - chunks, 342u) << "a loaded profile";
}

TEST(WriteSession, AByteThatNeverSticksGetsThreeRepairPassesThenFail) {
  EditedMouse f;
  f.mouse.firmware->faults().sticky[0xD0] = 0x00;  // fire macro 1's red stays 0
  EXPECT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kBytesDidNotStick);
  EXPECT_EQ(f.sessions.LastWriteRepairPasses(), 3);
  EXPECT_EQ(f.Requests(CmdWriteStart) - f.writes_before, 2u + 3u);  // the changes, then 1 byte x3
  EXPECT_EQ(f.Requests(CmdReadStart) - f.reads_before, 1u + 3u);
  EXPECT_EQ(f.ui.messages, std::vector<Message>{Message::kStr109});
  EXPECT_TRUE(f.ui.Restored());
  EXPECT_EQ(f.config.data.ParameterA[7], 9) << "the edits stay";
}

// Failures inside a verified write are failures, never silent success.
TEST(WriteSession, AnIncompleteWriteIsAFailure) {
  struct Case {
    const char* name;
    int64_t at_ms;  // when the fault starts, in virtual time after Apply
    uint8_t command;
  };
  // The whole write takes about 3.5 s, the read-back another 1.7 s.
  for (const Case& c :
       {Case{"write start", 0, CmdWriteStart}, Case{"read-back start", 0, CmdReadStart},
        Case{"repair write start", 4000, CmdWriteStart}}) {
    EditedMouse f;
    f.mouse.firmware->faults().sticky[0xD0] = 0x00;
    const int64_t start = f.mouse.pacer.NowMs();
    f.mouse.pacer.At(start + c.at_ms, [&f, command = c.command] {
      f.mouse.firmware->faults().no_answer[command].times = -1;
    });
    EXPECT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kWriteFailed) << c.name;
    EXPECT_EQ(f.ui.messages, std::vector<Message>{Message::kStr109}) << c.name;
    EXPECT_TRUE(f.ui.Restored()) << c.name;
  }
}

// Unplugged, or a reply lost, in the middle of the write or its read-back:
// "Fail" at once, without working through the remaining chunks.
TEST(WriteSession, AMouseThatGoesOrLosesAReplyFailsAtOnce) {
  struct Case {
    const char* name;
    int64_t after_requests;
    bool unplug;
  };
  for (const Case& c :
       {Case{"unplugged while writing", 150, true}, Case{"unplugged while reading back", 500, true},
        Case{"a reply lost while writing", 150, false},
        Case{"a reply lost while reading back", 500, false}}) {
    EditedMouse f(/*long_write=*/true);
    const uint64_t base = f.mouse.firmware->Requests();
    auto& faults = f.mouse.firmware->faults();
    if (c.unplug) {
      faults.unplug_after_requests = static_cast<int64_t>(base) + c.after_requests;
    } else {
      faults.fail_fetches_after_requests = static_cast<int64_t>(base) + c.after_requests;
      faults.failed_fetches = 1;
    }
    const int64_t start = f.mouse.pacer.NowMs();
    EXPECT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kWriteFailed) << c.name;
    EXPECT_EQ(f.ui.messages, std::vector<Message>{Message::kStr109}) << c.name;
    EXPECT_TRUE(f.ui.Restored()) << c.name;
    // About 10 ms a request up to the fault, then the close (600 ms at most).
    EXPECT_LT(f.mouse.pacer.NowMs() - start, c.after_requests * 11 + 800) << c.name;
    EXPECT_EQ(f.mouse.link.HandleValid(), !c.unplug) << c.name;
    EXPECT_NE(f.ui.details[0].find(c.unplug ? "unplugged" : "stopped answering"), std::string::npos)
        << f.ui.details[0];
    EXPECT_EQ(f.ui.shown_while_busy, 0) << "messages wait until the busy window is gone";
  }
}

TEST(WriteSession, NothingIsWrittenWithoutAMouseOrItsMemory) {
  EditedMouse f;
  f.mouse.firmware->identity().mem_ready = false;
  EXPECT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kNotWritten);
  EXPECT_EQ(f.Requests(CmdWriteStart), f.writes_before);
  EXPECT_TRUE(f.ui.messages.empty());
  f.mouse.link.Invalidate();
  EXPECT_EQ(f.sessions.Btn_Confirm_0Click(), SessionOutcome::kNoDevice);
  EXPECT_EQ(f.ui.messages, std::vector<Message>{Message::kStr020});
}

// Stored configurations: the file from the program's folder, or default
// image 1 when it is missing; written only to a 0x98 chip.
TEST(StoredConfiguration, LoadsTheFileOrDefaultImageOne) {
  SessionFixture f;
  config::Image stored = config::DefaultImage(1);
  stored[8] = 7;  // level 3: 3200 DPI
  config::SealSection(std::span<uint8_t>(stored.data(), 48));
  WriteFile(f.folder / "TesselData_Cfg1.bin", stored);
  EXPECT_EQ(f.sessions.LoadStoredConfiguration(1), SessionOutcome::kDone);
  EXPECT_EQ(f.mouse.firmware->memory(), stored);
  EXPECT_EQ(f.sessions.LoadStoredConfiguration(2), SessionOutcome::kDone);  // no file
  EXPECT_EQ(f.mouse.firmware->memory(), config::DefaultImage(1));
  EXPECT_EQ(f.sessions.Btn_DefaultClick(), SessionOutcome::kDone);
  EXPECT_EQ(f.mouse.firmware->memory(), stored);
  EXPECT_TRUE(f.ui.Restored());
}

TEST(StoredConfiguration, OtherChipsShowTheConfigurationButOnlyApplyWrites) {
  for (const uint8_t chip_code : {0x35, 0x75}) {
    SessionFixture f;
    f.mouse.firmware->identity().chip_code = chip_code;
    ASSERT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
    const int shows = f.ui.shows;
    EXPECT_EQ(f.sessions.LoadStoredConfiguration(3), SessionOutcome::kNotWritten);
    EXPECT_EQ(f.ui.shows, shows + 1);
    EXPECT_EQ(f.config.DevImage, config::DefaultImage(1));
    EXPECT_EQ(f.mouse.firmware->memory(), SessionFixture::MouseImage());
    EXPECT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
    EXPECT_EQ(f.mouse.firmware->memory(), config::DefaultImage(1));
  }
}

TEST(ProfileFiles, AppendsBinOnlyWhenMissing) {
  EXPECT_EQ(ProfileFileName("/home/u/fps"), "/home/u/fps.bin");
  EXPECT_EQ(ProfileFileName("/home/u/fps.bin"), "/home/u/fps.bin");
  EXPECT_EQ(ProfileFileName("/home/u/fps.BIN"), "/home/u/fps.BIN.bin");
  EXPECT_EQ(ProfileFileName("a.bin.txt"), "a.bin.txt.bin");
}

TEST(ProfileFiles, SaveAndLoadRoundTrip) {
  SessionFixture f;
  ASSERT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  f.config.data.ParameterA[7] = 9;  // an edit not yet applied
  ASSERT_EQ(f.sessions.SaveProfile((f.folder / "fps").string()), SessionOutcome::kDone);
  EXPECT_EQ(f.config.data.ParameterA[7], 9) << "saving leaves the pages as they were";
  EXPECT_EQ(ReadFile(f.folder / "fps.bin"), SessionFixture::MouseImage());
  EXPECT_EQ(fs::file_size(f.folder / "fps.bin"), 2048u);

  f.mouse.firmware->memory() = config::DefaultImage(1);
  ASSERT_EQ(f.sessions.LoadProfile((f.folder / "fps.bin").string()), SessionOutcome::kDone);
  EXPECT_EQ(f.mouse.firmware->memory(), SessionFixture::MouseImage());
  EXPECT_EQ(f.config.data.ParameterA[6], 4);
}

TEST(ProfileFiles, ABadProfileChecksumShowsAndWritesTheBuiltInProfile) {
  SessionFixture f;
  config::Image damaged = SessionFixture::MouseImage();
  damaged[0x040] = 0x02;  // button 1 becomes a key, checksum left stale
  WriteFile(f.folder / "damaged.bin", damaged);
  ASSERT_EQ(f.sessions.LoadProfile((f.folder / "damaged.bin").string()), SessionOutcome::kDone);
  EXPECT_EQ(f.config.data.ProfileKeys, config::kProfileKeysRepair);
  const auto& memory = f.mouse.firmware->memory();
  EXPECT_TRUE(std::equal(config::kProfileKeysRepair.begin(), config::kProfileKeysRepair.end(),
                         memory.begin() + 0x040));
  EXPECT_EQ(memory[6], 4) << "the valid sections are written as loaded";
  EXPECT_EQ(f.sessions.RepairedSections(), std::vector<std::string>{"ProfileKeys"});
}

// Whatever is not a whole 2048-byte image is refused before anything
// changes: the pages, DevImage and the mouse stay as they were.
TEST(ProfileFiles, OnlyAWhole2048ByteRegularFileIsLoaded) {
  SessionFixture f;
  ASSERT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  config::Image ones{};
  ones.fill(0x11);
  WriteFile(f.folder / "empty.bin", ones, 0);
  WriteFile(f.folder / "one.bin", ones, 1);
  WriteFile(f.folder / "short.bin", ones, 2047);
  std::ofstream(f.folder / "long.bin", std::ios::binary) << std::string(2049, '\x11');
  fs::create_directory(f.folder / "folder.bin");
  struct Case {
    const char* name;
    const char* says;
  };
  std::vector<Case> kCases = {
      {"empty.bin", "holds 0 bytes"},       {"one.bin", "holds 1 bytes"},
      {"short.bin", "holds 2047 bytes"},    {"long.bin", "holds 2049 bytes"},
      {"folder.bin", "not a regular file"}, {"absent.bin", "no such file"}};
#ifndef _WIN32
  // A FIFO would make a plain read wait for a writer forever (Windows has
  // none in its file system).
  ASSERT_EQ(mkfifo((f.folder / "fifo.bin").c_str(), 0600), 0);
  kCases.push_back({"fifo.bin", "not a regular file"});
#endif
  const config::Image before = f.config.DevImage;
  const uint64_t writes = f.Requests(CmdWriteStart);
  for (const auto& c : kCases) {
    f.ui.problems.clear();
    EXPECT_EQ(f.sessions.LoadProfile((f.folder / c.name).string()), SessionOutcome::kFileError)
        << c.name;
    ASSERT_EQ(f.ui.problems.size(), 1u) << c.name;
    EXPECT_NE(f.ui.problems[0].find(c.says), std::string::npos) << f.ui.problems[0];
  }
  EXPECT_EQ(f.config.DevImage, before);
  EXPECT_EQ(f.Requests(CmdWriteStart), writes);
  EXPECT_EQ(f.mouse.firmware->memory(), SessionFixture::MouseImage());
}

// An image whose identifiers every later read would refuse never reaches
// the mouse.
TEST(ProfileFiles, AnImageOfAnotherMouseIsRefused) {
  SessionFixture f;
  config::Image foreign = SessionFixture::MouseImage();
  foreign[config::kIdentifiers.address] = 0x12;
  WriteFile(f.folder / "foreign.bin", foreign);
  EXPECT_EQ(f.sessions.LoadProfile((f.folder / "foreign.bin").string()),
            SessionOutcome::kFileError);
  ASSERT_EQ(f.ui.problems.size(), 1u);
  EXPECT_NE(f.ui.problems[0].find("maker 18"), std::string::npos) << f.ui.problems[0];
  EXPECT_EQ(f.Requests(CmdWriteStart), 0u);
}

// Only a stored configuration that is not there falls back to the factory
// image; one that is there but cannot be used is an error, and nothing is
// written in its place.
TEST(StoredConfiguration, AnUnusableFileIsAnErrorNotTheFactoryImage) {
  for (const size_t size : {size_t{0}, size_t{100}, size_t{2047}}) {
    SessionFixture f;
    WriteFile(f.folder / "TesselData_Cfg2.bin", config::DefaultImage(2), size);
    EXPECT_EQ(f.sessions.LoadStoredConfiguration(2), SessionOutcome::kFileError) << size;
    EXPECT_EQ(f.mouse.firmware->memory(), SessionFixture::MouseImage()) << size;
    EXPECT_EQ(f.Requests(CmdWriteStart), 0u);
    EXPECT_EQ(f.ui.problems.size(), 1u);
    EXPECT_TRUE(f.ui.Restored());
  }
}

TEST(ProfileFiles, NothingIsSavedFromAFailedRead) {
  SessionFixture f;
  f.mouse.firmware->faults().lose_read_chunks_at = {3};
  EXPECT_EQ(f.sessions.SaveProfile((f.folder / "x").string()), SessionOutcome::kReadFailed);
  EXPECT_FALSE(fs::exists(f.folder / "x.bin"));
  f.mouse.firmware->faults().lose_read_chunks_at.clear();
  EXPECT_EQ(f.sessions.SaveProfile((f.folder / "no-folder" / "x").string()),
            SessionOutcome::kFileError);
  EXPECT_EQ(f.ui.problems.size(), 1u);
}

}  // namespace
}  // namespace orvane::device
