#pragma once
// The three size cells of a row. Sizes are 64-bit, so files of 2 GiB and more show their true size.
#include <cstdint>
#include <string>

// The bytes, grouped: 1234567 gives "1,234,567".
std::string SizeBytesCell(int64_t size);

// The size in MB (1,048,576 bytes) with two decimals up to 10,475,274 bytes (9.99), one decimal above
// (10,475,275 bytes give 10.0); followed by "MB" when with_unit.
std::string SizeMBCell(int64_t size, bool with_unit);

// The whole KB (1024 bytes), grouped: 734,003,200 bytes give "716,800"; followed by "KB" when with_unit.
std::string SizeKBCell(int64_t size, bool with_unit);
