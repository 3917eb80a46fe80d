#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/config/data_buf.h"

namespace orvane::cli {

// The decoded fields of a configuration, in a stable order; each value is
// already JSON text (numbers, booleans, quoted strings, arrays).
using DumpFields = std::vector<std::pair<std::string, std::string>>;

DumpFields DumpConfiguration(const config::DataBuf& data);
std::string FormatJson(const DumpFields& fields);
std::string FormatText(const DumpFields& fields);

}  // namespace orvane::cli
