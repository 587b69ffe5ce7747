#pragma once
// Text as the windows hold it: UTF-16, so that a Win32 wide string maps onto
// it without conversion. Helpers to build and show it in portable code.

#include <string>
#include <string_view>

namespace qs {

using Text = std::u16string;
using TextView = std::u16string_view;

// Widens text that is plain ASCII (labels, decoded Morse, keywords).
Text fromAscii(std::string_view ascii);

// Converts between UTF-8 (files, the command line, the terminal) and UTF-16.
// Malformed input becomes U+FFFD rather than being dropped.
Text fromUtf8(std::string_view utf8);
std::string toUtf8(TextView text);

// Decimal text of a signed integer, as the labels and slots write numbers.
Text decimalText(long value);

}  // namespace qs
