#include "platform/common/report_descriptor.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::platform {
namespace {

// A three-button boot mouse without report ids (the USB HID class
// document's own example descriptor): input reports only.
const std::vector<uint8_t> kBootMouse = {
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19,
    0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01, 0x81, 0x02,
    0x95, 0x01, 0x75, 0x05, 0x81, 0x01, 0x05, 0x01, 0x09, 0x30, 0x09, 0x31, 0x15,
    0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06, 0xC0, 0xC0};

// The mouse's vendor collection: usage page 0xFF00, report id 4, seven data
// bytes as a feature report.
const std::vector<uint8_t> kVendorConfig = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85,
                                            0x04, 0x09, 0x02, 0x15, 0x00, 0x26, 0xFF, 0x00,
                                            0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0xC0};

// A keyboard with an LED output report and a 2-byte feature report, no ids.
const std::vector<uint8_t> kKeyboardNoIds = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x08, 0x19,
                                             0x01, 0x29, 0x05, 0x95, 0x05, 0x75, 0x01, 0x91, 0x02,
                                             0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0x06, 0x00, 0xFF,
                                             0x09, 0x20, 0x75, 0x08, 0x95, 0x02, 0xB1, 0x02, 0xC0};

std::vector<uint8_t> Join(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ReportDescriptor, FeatureReportLengthCountsTheIdByte) {
  // Report ids elsewhere: a second feature report of id 5 with 20 bytes, and
  // push/pop restoring an 8-bit size around a 1-bit field.
  const std::vector<uint8_t> two_ids = {0x85, 0x04, 0x75, 0x08, 0x95, 0x07, 0xB1,
                                        0x02, 0x85, 0x05, 0x95, 0x14, 0xB1, 0x02};
  const std::vector<uint8_t> push_pop = {0x85, 0x04, 0x75, 0x08, 0xA4, 0x75, 0x01, 0x95,
                                         0x08, 0xB1, 0x02, 0xB4, 0x95, 0x06, 0xB1, 0x02};
  struct Case {
    const char* name;
    std::vector<uint8_t> descriptor;
    int length;
  };
  const std::vector<Case> cases = {
      {"boot mouse: no feature report", kBootMouse, 0},
      {"vendor collection, id 4, 7 bytes", kVendorConfig, 8},
      {"mouse and vendor collections on one interface", Join(kBootMouse, kVendorConfig), 8},
      {"no report ids: the id 0 byte still counts", kKeyboardNoIds, 3},
      {"longest of two ids", two_ids, 21},
      {"push and pop", push_pop, 8},
      {"empty descriptor", {}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FeatureReportLengthFromDescriptor(c.descriptor), c.length) << c.name;
  }
}

TEST(ReportDescriptor, MalformedInputEndsTheWalkInsideTheBuffer) {
  const std::vector<std::vector<uint8_t>> malformed = {
      {0x75},                    // item announces a byte that is not there
      {0x75, 0x08, 0x97, 0x07},  // 4-byte count, 1 byte present
      {0xFE, 0x40, 0x00},        // long item longer than the buffer
      {0xFE},
      {0xB4, 0xB4, 0xB1, 0x02},  // pop without push
  };
  for (const auto& bytes : malformed) {
    EXPECT_EQ(FeatureReportLengthFromDescriptor(bytes), 0);
  }
  // Truncating the real descriptor anywhere never reads past its end.
  for (size_t size = 0; size <= kVendorConfig.size(); ++size) {
    const std::vector<uint8_t> prefix(kVendorConfig.begin(), kVendorConfig.begin() + size);
    EXPECT_EQ(FeatureReportLengthFromDescriptor(prefix), size >= 22 ? 8 : 0) << size;
  }
}

}  // namespace
}  // namespace orvane::platform
