#pragma once
// Byte-oriented text helpers shared by the list code. Lengths and positions count bytes, so a
// double-byte CP932 character counts two and may be split. Arguments outside the text are clamped:
// only the bytes that exist are returned, never more.
#include <string>
#include <string_view>

// The first n bytes (all of them when n exceeds the length, none when n < 1).
std::string TextLeft(std::string_view text, int n);
// The last n bytes (all of them when n exceeds the length, none when n < 1).
std::string TextRight(std::string_view text, int n);
// The n bytes beginning at the 1-based byte position start; of that range only the part inside the
// text is returned (start 0 with n 3 gives the first two bytes).
std::string TextMid(std::string_view text, int start, int n);

// The folder of a path without the final "/": "/home/u/a.avi" gives "/home/u", "/a.avi" gives "" and
// a path without any "/" gives "".
std::string PathFolder(std::string_view path);
// The name and extension after the last "/" (the whole path when it has none).
std::string PathFileName(std::string_view path);
// The path rebuilt from its folder and the name under which the file system lists the file: when
// nothing is found there the name is empty, so "/no/such.avi" gives "/no/". A path without any "/"
// stays relative. Paths are file-system bytes.
std::string ResolveFileName(const std::string& path);

// "," between groups of three bytes counted from the right, whatever the bytes are: "1234567" gives
// "1,234,567", "  1234" gives "  1,234"; texts of up to three bytes come back unchanged. Padding counts
// as bytes too ("   123" gives "   ,123"), so group a figure before padding it.
std::string GroupThousands(std::string_view text);
