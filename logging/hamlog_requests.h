#pragma once
// HamLog's window-message interface, byte for byte: the request codes
// (WM_COPYDATA dwData), their payloads and the rules that turn the contact
// fields into them, and the reading of HamLog's answers.
//
// Payload encodings: ASCII is the printable conversion, one byte per
// character and no terminator; ANSI is the thread's code page with its NUL.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/text.h"
#include "logging/ansi_text.h"

namespace qs::logging {

namespace hamlog {

inline constexpr std::uint32_t kWriteCall = 1;           // ASCII call sign
inline constexpr std::uint32_t kDate = 2;                // ASCII "%y/%m/%d"
inline constexpr std::uint32_t kTime = 3;                // ASCII "%H:%M" + "J" or "U"
inline constexpr std::uint32_t kHisRst = 4;              // ASCII, at most 3 characters
inline constexpr std::uint32_t kMyRst = 5;               // ASCII
inline constexpr std::uint32_t kMode = 7;                // ASCII "CW" or "A1A"
inline constexpr std::uint32_t kQthCode = 8;             // ANSI code number
inline constexpr std::uint32_t kName = 11;               // ANSI, at most 120 characters
inline constexpr std::uint32_t kQthText = 12;            // ANSI, at most 127 characters
inline constexpr std::uint32_t kNewEntry = 16;           // none
inline constexpr std::uint32_t kPttOn = 23;              // none
inline constexpr std::uint32_t kPttOff = 24;             // none
inline constexpr std::uint32_t kOutsideJapan = 25;       // none
inline constexpr std::uint32_t kJapanese = 26;           // none
inline constexpr std::uint32_t kAskCall = 101;           // none; answered
inline constexpr std::uint32_t kAskTime = 103;           // none; answered
inline constexpr std::uint32_t kAskCode = 108;           // none; answered
inline constexpr std::uint32_t kAskName = 111;           // none; answered
inline constexpr std::uint32_t kAskQth = 112;            // none; answered
inline constexpr std::uint32_t kEnterCall = 0x00030001;  // ASCII call sign
inline constexpr std::uint32_t kSaveQso = 0x00080012;    // none

inline constexpr size_t kNameMaxChars = 120;
inline constexpr size_t kQthMaxChars = 127;
inline constexpr size_t kHisRstMaxChars = 3;
// HamLog's answers are read into a buffer of this many bytes and a NUL.
inline constexpr size_t kAnswerMaxBytes = 1024;
// The link test writes this into HamLog's call-sign field and reads it back.
inline constexpr char16_t kProbeCall[] = u"****";

}  // namespace hamlog

// One WM_COPYDATA request. An empty payload is sent as cbData 0 and lpData
// null.
struct HamLogRequest {
    std::uint32_t code = 0;
    std::string payload;
};

inline bool operator==(const HamLogRequest& a, const HamLogRequest& b) {
    return a.code == b.code && a.payload == b.payload;
}

HamLogRequest noPayloadRequest(std::uint32_t code);
// Nothing when a character of `text` is not printable ASCII.
std::optional<HamLogRequest> asciiRequest(std::uint32_t code, TextView text);
HamLogRequest ansiRequest(std::uint32_t code, TextView text, const AnsiCodePage& codePage);

// The first `maxChars` UTF-16 units of `text`, never ending inside a
// surrogate pair.
TextView firstChars(TextView text, size_t maxChars);

// Name (11) from HisName: its first 120 characters; nothing when empty.
std::optional<HamLogRequest> nameRequest(TextView hisName, const AnsiCodePage& codePage);

// QTH from HisQTH: a code (8) when 4 to 7 characters read as digits after
// "O" "A" "T" "N" become "0" "1" "0" "9" (or five such digits, "/" and a
// letter: the digits and the letter), else text (12); nothing when empty.
std::optional<HamLogRequest> qthRequest(TextView hisQth, const AnsiCodePage& codePage);

// A report with every "N" sent as "9", cut to `maxChars` characters.
// Nothing when empty or not printable ASCII.
std::optional<HamLogRequest> rstRequest(std::uint32_t code, TextView rst, size_t maxChars);

// The call sign's first two characters lie from "JA" to "JS", "7J" to "7N"
// or "8J" to "8N". The call has at least two characters.
bool isJapaneseStation(TextView hisCall);

// Mode (7) for option-string position 20: "C" "CW", "A" "A1A", else none.
std::optional<HamLogRequest> modeRequest(char16_t modeOption);

// The text of an answer's payload: at most 1024 bytes, up to the first NUL,
// decoded with the code page. `data` may be null when `size` is 0.
Text hamLogAnswerText(const char* data, size_t size, const AnsiCodePage& codePage);

// `hamlogUtc` from the answer to 103: 1 when its sixth character is "U",
// 2 when "Z", else 0 (local time).
int hamLogUtcFromTimeAnswer(TextView timeAnswer);

}  // namespace qs::logging
