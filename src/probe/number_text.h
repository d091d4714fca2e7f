#pragma once
// Number texts of the media fields as printf writes them in the C locale ("%.2f", "%02lld"), made without
// printf: they go into every row of a scan, and the window program runs under the user's locale, where
// printf would write a decimal comma.
#include <cstdint>
#include <string>

// The value with the given decimals, as "%.*f" writes it into a buffer of 64 bytes.
std::string FixedText(double value, int decimals);

// The value, 0 or more, in at least two digits, as "%02lld" writes it.
std::string TwoDigitText(int64_t value);
