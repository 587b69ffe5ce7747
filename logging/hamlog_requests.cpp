#include "logging/hamlog_requests.h"

#include "logging/printable_ascii.h"

namespace qs::logging {

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool allDigits(TextView text) {
    for (const char16_t c : text) {
        if (!isDigit(c)) return false;
    }
    return true;
}

Text asciiUpper(TextView text) {
    Text upper(text);
    for (char16_t& c : upper) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return upper;
}

// HamLog's code numbers are digits; these letters stand for look-alike digits.
Text codeDigits(TextView text) {
    Text digits(text);
    for (char16_t& c : digits) {
        if (c == u'O') c = u'0';
        if (c == u'A') c = u'1';
        if (c == u'T') c = u'0';
        if (c == u'N') c = u'9';
    }
    return digits;
}

// Five code digits, "/" and a letter from A to Z: the code is the digits and
// the letter.
std::optional<Text> slashLetterCode(TextView upper) {
    if (upper.size() != 7 || upper[5] != u'/' || upper[6] < u'A' || upper[6] > u'Z') {
        return std::nullopt;
    }
    Text code = codeDigits(upper.substr(0, 5));
    if (!allDigits(code)) return std::nullopt;
    code += upper[6];
    return code;
}

bool twoCharsWithin(TextView call, TextView low, TextView high) {
    const TextView first = call.substr(0, 2);
    return first >= low && first <= high;
}

}  // namespace

HamLogRequest noPayloadRequest(std::uint32_t code) {
    return HamLogRequest{code, {}};
}

std::optional<HamLogRequest> asciiRequest(std::uint32_t code, TextView text) {
    std::optional<std::string> bytes = printableAscii(text);
    if (!bytes) return std::nullopt;
    return HamLogRequest{code, std::move(*bytes)};
}

HamLogRequest ansiRequest(std::uint32_t code, TextView text, const AnsiCodePage& codePage) {
    HamLogRequest request{code, codePage.encode(text)};
    request.payload.push_back('\0');
    return request;
}

TextView firstChars(TextView text, size_t maxChars) {
    if (text.size() <= maxChars) return text;
    if (maxChars == 0) return {};
    const char16_t last = text[maxChars - 1];
    const bool highSurrogate = last >= 0xD800 && last <= 0xDBFF;
    return text.substr(0, highSurrogate ? maxChars - 1 : maxChars);
}

std::optional<HamLogRequest> nameRequest(TextView hisName, const AnsiCodePage& codePage) {
    if (hisName.empty()) return std::nullopt;
    return ansiRequest(hamlog::kName, firstChars(hisName, hamlog::kNameMaxChars), codePage);
}

std::optional<HamLogRequest> qthRequest(TextView hisQth, const AnsiCodePage& codePage) {
    const size_t n = hisQth.size();
    if (n == 0) return std::nullopt;
    if (n < 4 || n > 7) {
        return ansiRequest(hamlog::kQthText, firstChars(hisQth, hamlog::kQthMaxChars), codePage);
    }
    const Text upper = asciiUpper(hisQth);
    if (std::optional<Text> code = slashLetterCode(upper)) {
        return ansiRequest(hamlog::kQthCode, *code, codePage);
    }
    const Text code = codeDigits(upper);
    if (allDigits(code)) return ansiRequest(hamlog::kQthCode, code, codePage);
    return ansiRequest(hamlog::kQthText, upper, codePage);
}

std::optional<HamLogRequest> rstRequest(std::uint32_t code, TextView rst, size_t maxChars) {
    if (rst.empty()) return std::nullopt;
    Text sent(firstChars(rst, maxChars));
    for (char16_t& c : sent) {
        if (c == u'N') c = u'9';
    }
    return asciiRequest(code, sent);
}

bool isJapaneseStation(TextView hisCall) {
    return twoCharsWithin(hisCall, u"JA", u"JS") || twoCharsWithin(hisCall, u"7J", u"7N") ||
           twoCharsWithin(hisCall, u"8J", u"8N");
}

std::optional<HamLogRequest> modeRequest(char16_t modeOption) {
    if (modeOption == u'C') return asciiRequest(hamlog::kMode, u"CW");
    if (modeOption == u'A') return asciiRequest(hamlog::kMode, u"A1A");
    return std::nullopt;
}

Text hamLogAnswerText(const char* data, size_t size, const AnsiCodePage& codePage) {
    if (data == nullptr) return {};
    std::string_view bytes(data, size < hamlog::kAnswerMaxBytes ? size : hamlog::kAnswerMaxBytes);
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    return codePage.decode(bytes);
}

int hamLogUtcFromTimeAnswer(TextView timeAnswer) {
    if (timeAnswer.size() < 6) return 0;
    if (timeAnswer[5] == u'U') return 1;
    if (timeAnswer[5] == u'Z') return 2;
    return 0;
}

}  // namespace qs::logging
