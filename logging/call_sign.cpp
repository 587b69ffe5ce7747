#include "logging/call_sign.h"

namespace qs::logging {

namespace {

// Character classes of the rule; membership is an exact, case-sensitive match.
constexpr TextView kDigits = u"0123456789";
constexpr TextView kFirstBeforeLetter = u"23456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr TextView kFirstBeforeDigit = u"ACDEHJLPSTVYZ";
constexpr TextView kSingleLetter = u"BFGIKMNRW2";
constexpr TextView kLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// "DE" received with a single space before the call arrives glued to it.
constexpr TextView kDe = u"DE";

constexpr size_t kTailLength = 30;  // characters of the receive window scanned
constexpr size_t kMinWordLength = 3;
constexpr size_t kMaxSuffixLength = 3;

bool isIn(TextView characterClass, char16_t c) {
    return characterClass.find(c) != TextView::npos;
}

bool isDigit(char16_t c) {
    return isIn(kDigits, c);
}

// The last digit not written after "/" (a digit at the start qualifies).
size_t areaDigitPos(TextView word) {
    for (size_t i = word.size(); i-- > 0;) {
        if (isDigit(word[i]) && (i == 0 || word[i - 1] != u'/')) return i;
    }
    return TextView::npos;
}

// One prefix character before the area digit.
std::optional<Text> twoCharacterPrefix(TextView prefix) {
    if (isIn(kSingleLetter, prefix[0])) return Text(prefix);
    return std::nullopt;
}

// Two prefix characters before the area digit; a first character that may not
// stand before a letter is dropped and the rest tested on its own.
std::optional<Text> threeCharacterPrefix(TextView prefix) {
    const char16_t first = prefix[0];
    const char16_t second = prefix[1];
    if (isDigit(second)) {
        if (isIn(kFirstBeforeDigit, first)) return Text(prefix);
        return std::nullopt;
    }
    if (!isIn(kLetters, second)) return std::nullopt;
    if (isIn(kFirstBeforeLetter, first)) return Text(prefix);
    return twoCharacterPrefix(prefix.substr(1));
}

// Everything up to and including the area digit (at least two characters),
// reduced to the last two or three, skipping a "DE" glued in front.
std::optional<Text> canonicalPrefix(TextView prefix) {
    const size_t length = prefix.size();
    if (length >= 5) {
        const TextView last5 = prefix.substr(length - 5);
        if (last5.substr(0, 2) == kDe) return threeCharacterPrefix(last5.substr(2));
        if (last5.substr(1, 2) == kDe) return twoCharacterPrefix(last5.substr(3));
        return threeCharacterPrefix(last5.substr(2));
    }
    if (length == 4) {
        if (prefix.substr(0, 2) == kDe) return twoCharacterPrefix(prefix.substr(2));
        return threeCharacterPrefix(prefix.substr(1));
    }
    if (length == 3) return threeCharacterPrefix(prefix);
    return twoCharacterPrefix(prefix);
}

// At most three characters, keeping a portable "/digit" ending.
Text canonicalSuffix(TextView suffix) {
    const size_t slash = suffix.find(u'/');
    if (slash == TextView::npos) return Text(suffix.substr(0, kMaxSuffixLength));
    if (slash <= 3) {
        const bool digitFollows = slash + 1 < suffix.size() && isDigit(suffix[slash + 1]);
        return Text(suffix.substr(0, digitFollows ? slash + 2 : slash));
    }
    // A slash after position 3 means the suffix has at least five characters.
    return Text(suffix.substr(0, isDigit(suffix[4]) ? 5 : kMaxSuffixLength));
}

Text withoutSpaces(TextView text) {
    Text result;
    for (char16_t c : text) {
        if (c != u' ') result.push_back(c);
    }
    return result;
}

bool startsAt(TextView text, size_t pos, TextView word) {
    return pos + word.size() <= text.size() && text.substr(pos, word.size()) == word;
}

}  // namespace

bool NormalizeCallSign(Text& candidateWord) {
    if (candidateWord.empty()) return false;
    const Text word = withoutSpaces(candidateWord);
    const size_t areaDigit = areaDigitPos(word);
    if (areaDigit == TextView::npos) return false;
    const TextView suffix = TextView(word).substr(areaDigit + 1);
    const TextView prefix = TextView(word).substr(0, areaDigit + 1);
    if (suffix.empty() || prefix.size() < 2) return false;
    const std::optional<Text> canonical = canonicalPrefix(prefix);
    if (!canonical) return false;
    candidateWord = *canonical + canonicalSuffix(suffix);
    return true;
}

std::optional<Text> PickUpCallSign(TextView receiveText) {
    Text tail(receiveText.size() >= kTailLength
                  ? receiveText.substr(receiveText.size() - kTailLength)
                  : receiveText);
    // Distances are counted from the end of the tail as first taken, also
    // after the scan has cut words off it.
    const size_t tailLength = tail.size();
    for (size_t i = tailLength; i-- > 0;) {
        size_t delimiter = 0;
        size_t rest = 0;
        if (startsAt(tail, i, u"  ")) {
            delimiter = 2;
            rest = tailLength - i - 2;
        }
        if (startsAt(tail, i, u"RX>")) {
            delimiter = 3;
            rest = tailLength - i - 3;
        }
        if (i == 0) rest = tail.size();
        if (rest >= kMinWordLength) {
            Text candidateWord = tail.substr(i + delimiter);
            if (NormalizeCallSign(candidateWord)) return candidateWord;
            tail.resize(i);
        } else if (delimiter == 2) {
            tail.resize(i);
        } else if (delimiter == 3) {
            return std::nullopt;  // a prompt with too little after it
        }
    }
    return std::nullopt;
}

}  // namespace qs::logging
