// Builds the factory macro library "PCMacroData": 100 records of a 32-byte
// name and a 224-byte body, all empty in this build, plus the 1,600 spare
// bytes that follow them.
//   make_factory_macros OUTPUT_FILE
#include <cstdio>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_factory_macros OUTPUT_FILE\n");
    return 2;
  }
  constexpr size_t kRecords = 100;
  constexpr size_t kRecordBytes = 32 + 224;
  constexpr size_t kSpareBytes = 1600;
  const std::vector<char> library(kRecords * kRecordBytes + kSpareBytes, 0);
  std::ofstream out(argv[1], std::ios::binary);
  out.write(library.data(), static_cast<std::streamsize>(library.size()));
  return out ? 0 : 1;
}
