#include "core/macro/macro_library.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/resources/resources.h"
#include "platform/atomic_file.h"

namespace orvane::macro {

void ReadLibraryRecords(std::span<const uint8_t> bytes, MacroLibrary& library) {
  for (size_t i = 0; i < kLibraryEntries; ++i) {
    const size_t at = i * kRecordBytes;
    if (at + kRecordBytes > bytes.size()) break;
    std::copy_n(bytes.begin() + at, kNameBytes, library.names[i].begin());
    std::copy_n(bytes.begin() + at + kNameBytes, kBodyBytes, library.bodies[i].begin());
  }
}

std::vector<uint8_t> LibraryFileBytes(const MacroLibrary& library) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kLibraryFileBytes);
  for (size_t i = 0; i < kLibraryEntries; ++i) {
    bytes.insert(bytes.end(), library.names[i].begin(), library.names[i].end());
    bytes.insert(bytes.end(), library.bodies[i].begin(), library.bodies[i].end());
  }
  return bytes;
}

std::vector<DriverBlock> ReadDriverBlocks(std::span<const uint8_t> bytes) {
  std::vector<DriverBlock> blocks(bytes.size() / kBlockBytes);
  for (size_t k = 0; k < blocks.size(); ++k) {
    std::copy_n(bytes.begin() + k * kBlockBytes, kBlockBytes, blocks[k].begin());
  }
  return blocks;
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path, size_t limit) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes(limit);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
  if (file.bad()) return std::nullopt;
  bytes.resize(static_cast<size_t>(file.gcount()));
  return bytes;
}

LibraryLoad CheckPCMacro(const std::string& folder, MacroLibrary& library) {
  if (const auto bytes = ReadFileBytes(folder + "Macro.bin", kLibraryFileBytes)) {
    ReadLibraryRecords(*bytes, library);
    return {};
  }
  library = MacroLibrary{};
  if (const auto factory = resources::FindResource("PCMacroData")) {
    ReadLibraryRecords(factory->first(std::min(factory->size(), kLibraryFileBytes)), library);
  }
  LibraryLoad load;
  load.ok = SaveMacroLibrary(folder, library, &load.error);
  return load;
}

LibraryLoad CheckDriverPCMacro(const std::string& folder, std::vector<DriverBlock>& blocks) {
  blocks.clear();
  // 32 MiB is far more than any table the driver can address.
  if (const auto bytes = ReadFileBytes(folder + "Driver_Macro.bin", 32u << 20)) {
    blocks = ReadDriverBlocks(*bytes);
  }
  return {};
}

bool SaveMacroLibrary(const std::string& folder, const MacroLibrary& library, std::string* error) {
  return util::WriteFileAtomically(folder + "Macro.bin", LibraryFileBytes(library), error);
}

}  // namespace orvane::macro
