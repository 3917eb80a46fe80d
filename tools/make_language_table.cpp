// Turns a language table written in UTF-8 (resources/lang/langN.txt, easy to
// edit) into the UTF-16 little-endian form with byte-order mark that the
// program embeds:
//   make_language_table INPUT.txt OUTPUT
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "core/util/unicode.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_language_table INPUT.txt OUTPUT\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "make_language_table: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  std::string bytes = "\xFF\xFE";
  for (const uint16_t unit : orvane::util::Utf8ToUtf16(text)) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << bytes;
  return out ? 0 : 1;
}
