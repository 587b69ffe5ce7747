#pragma once
// The stand-ins' message log: one line per message received, appended and
// flushed at once so that a stand-in that is killed or exits mid-message
// leaves every line it took in. Bytes are written as they came: printable
// ASCII as is, every other byte (and the backslash) as \xNN.

#include <cstdio>
#include <string>
#include <string_view>

namespace qs::standin {

inline std::string shownBytes(std::string_view bytes) {
    std::string shown;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte <= 0x7E && byte != '\\') {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return shown;
}

class MessageLog {
  public:
    bool open(const wchar_t* path) {
        file_ = _wfopen(path, L"ab");
        return file_ != nullptr;
    }
    void line(const std::string& text) {
        if (file_ == nullptr) return;
        std::fputs(text.c_str(), file_);
        std::fputc('\n', file_);
        std::fflush(file_);
    }

  private:
    std::FILE* file_ = nullptr;
};

}  // namespace qs::standin
