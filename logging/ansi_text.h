#pragma once
// Text in the thread's ANSI code page, as HamLog reads its requests and
// writes its answers. The Windows program converts with the thread's code
// page (often 932, a multibyte page); portable code and the tests use
// Windows-1252.

#include <string>
#include <string_view>

#include "common/text.h"

namespace qs::logging {

class AnsiCodePage {
  public:
    virtual ~AnsiCodePage() = default;
    // The bytes of `text` without a terminator; a character the page lacks
    // becomes the page's default character.
    virtual std::string encode(TextView text) const = 0;
    // Text of `bytes`; invalid sequences become replacement characters,
    // never an error.
    virtual Text decode(std::string_view bytes) const = 0;
};

// Windows-1252; characters outside it become "?".
class Windows1252CodePage : public AnsiCodePage {
  public:
    std::string encode(TextView text) const override;
    Text decode(std::string_view bytes) const override;
};

}  // namespace qs::logging
