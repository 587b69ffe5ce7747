#include "logging/hamlog_requests.h"

#include <gtest/gtest.h>

#include "tests/logging/link_fakes.h"

namespace qs::logging {
namespace {

using test::shownBytes;

const Windows1252CodePage kCodePage;

// "code payload" with the payload's bytes shown; "none" without a request.
std::string shown(const std::optional<HamLogRequest>& request) {
    if (!request) return "none";
    return std::to_string(request->code) + " " + shownBytes(request->payload);
}

// A QTH of 4 to 7 characters is upper-cased and sent as a code when it reads
// as digits with O, A, T, N for 0, 1, 0, 9; otherwise as text.
TEST(HamLogQth, CodeOrText) {
    const struct {
        const char16_t* qth;
        const char* sent;
    } cases[] = {
        {u"1001", "8 1001\\x00"},
        {u"1234567", "8 1234567\\x00"},
        {u"NARA", "12 NARA\\x00"},
        {u"NATA", "8 9101\\x00"},
        {u"1OO1", "8 1001\\x00"},
        {u"nata", "8 9101\\x00"},
        {u"12345/A", "8 12345A\\x00"},
        {u"12O4N/z", "8 12049Z\\x00"},
        {u"12345/1", "12 12345/1\\x00"},
        {u"1234X/A", "12 1234X/A\\x00"},
        {u"1234/AB", "12 1234/AB\\x00"},
        {u"abc", "12 abc\\x00"},
        {u"tokyo", "12 TOKYO\\x00"},
        {u"123", "12 123\\x00"},
        {u"12345678", "12 12345678\\x00"},
        {u"osaka-shi", "12 osaka-shi\\x00"},
        {u"", "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(qthRequest(c.qth, kCodePage)), c.sent) << toUtf8(c.qth);
    }
}

TEST(HamLogQth, TextLimitedTo127Characters) {
    const Text limit(127, u'a');
    EXPECT_EQ(qthRequest(limit, kCodePage)->payload, std::string(127, 'a') + '\0');
    EXPECT_EQ(qthRequest(limit + u"b", kCodePage)->payload, std::string(127, 'a') + '\0');
}

TEST(HamLogName, First120CharactersInTheCodePage) {
    const Text limit(120, u'n');
    EXPECT_EQ(nameRequest(limit, kCodePage)->payload, std::string(120, 'n') + '\0');
    EXPECT_EQ(nameRequest(limit + u"x", kCodePage)->payload, std::string(120, 'n') + '\0');
    EXPECT_EQ(shown(nameRequest(u"Jos\u00e9 \u20ac\u3042", kCodePage)), "11 Jos\\xE9 \\x80?\\x00");
    EXPECT_EQ(shown(nameRequest(u"", kCodePage)), "none");
    // A character beyond the BMP is not cut in half.
    const Text pair = Text(119, u'n') + u"\U0001F600";
    EXPECT_EQ(nameRequest(pair, kCodePage)->payload, std::string(119, 'n') + '\0');
}

TEST(HamLogRst, NSentAsNineHisCutToThree) {
    EXPECT_EQ(shown(rstRequest(hamlog::kHisRst, u"599X", 3)), "4 599");
    EXPECT_EQ(shown(rstRequest(hamlog::kHisRst, u"5NN", 3)), "4 599");
    EXPECT_EQ(shown(rstRequest(hamlog::kHisRst, u"5n", 3)), "4 5n");
    EXPECT_EQ(shown(rstRequest(hamlog::kMyRst, u"5NN9N", Text::npos)), "5 59999");
    EXPECT_EQ(shown(rstRequest(hamlog::kMyRst, u"", Text::npos)), "none");
    EXPECT_EQ(shown(rstRequest(hamlog::kMyRst, u"5\u30CEN", Text::npos)), "none");
}

TEST(HamLogCountry, JapaneseStations) {
    const struct {
        const char16_t* call;
        bool japanese;
    } cases[] = {
        {u"JA1ABC", true},  {u"JS3XYZ", true}, {u"JT1AA", false}, {u"J5AA", false},
        {u"7J1AAA", true},  {u"7N4ABC", true}, {u"7I1AA", false}, {u"7O1AA", false},
        {u"8J1A", true},    {u"8N1AAA", true}, {u"8O1AA", false}, {u"K1AB", false},
        {u"ja1abc", false}, {u"JR", true},     {u"7K", true},
    };
    for (const auto& c : cases) EXPECT_EQ(isJapaneseStation(c.call), c.japanese) << toUtf8(c.call);
}

TEST(HamLogMode, OptionCharacter) {
    EXPECT_EQ(shown(modeRequest(u'C')), "7 CW");
    EXPECT_EQ(shown(modeRequest(u'A')), "7 A1A");
    EXPECT_EQ(shown(modeRequest(u'N')), "none");
    EXPECT_EQ(shown(modeRequest(u'\0')), "none");
}

TEST(HamLogRequests, Encodings) {
    EXPECT_EQ(shown(asciiRequest(hamlog::kEnterCall, u"JA1ABC")), "196609 JA1ABC");
    EXPECT_EQ(shown(asciiRequest(hamlog::kEnterCall, u"JA1\u3042")), "none");
    EXPECT_EQ(shown(asciiRequest(hamlog::kWriteCall, u"")), "1 ");
    EXPECT_EQ(shown(noPayloadRequest(hamlog::kSaveQso)), "524306 ");
    EXPECT_EQ(shown(ansiRequest(hamlog::kName, u"", kCodePage)), "11 \\x00");
}

TEST(HamLogAnswers, ReadUpToNulAndAtMost1024Bytes) {
    const std::string withNul("JA1ABC\0junk", 11);
    EXPECT_EQ(hamLogAnswerText(withNul.data(), withNul.size(), kCodePage), u"JA1ABC");
    EXPECT_EQ(hamLogAnswerText("JA1ABC", 6, kCodePage), u"JA1ABC");
    EXPECT_EQ(hamLogAnswerText(nullptr, 16, kCodePage), u"");
    const std::string limit(1024, 'X');
    EXPECT_EQ(hamLogAnswerText(limit.data(), limit.size(), kCodePage).size(), 1024u);
    const std::string over(4096, 'X');
    EXPECT_EQ(hamLogAnswerText(over.data(), over.size(), kCodePage).size(), 1024u);
    const std::string nulAfterLimit = limit + '\0';
    EXPECT_EQ(hamLogAnswerText(nulAfterLimit.data(), nulAfterLimit.size(), kCodePage).size(),
              1024u);
}

TEST(HamLogAnswers, TimeZoneFromTheSixthCharacter) {
    EXPECT_EQ(hamLogUtcFromTimeAnswer(u"09:05U"), 1);
    EXPECT_EQ(hamLogUtcFromTimeAnswer(u"09:05Z"), 2);
    EXPECT_EQ(hamLogUtcFromTimeAnswer(u"09:05J"), 0);
    EXPECT_EQ(hamLogUtcFromTimeAnswer(u"09:05"), 0);
    EXPECT_EQ(hamLogUtcFromTimeAnswer(u""), 0);
}

TEST(Windows1252, EncodesAndDecodesTheSamePage) {
    const Text text = u"A\u00e9\u20ac\u0178\u008d";
    const std::string bytes = kCodePage.encode(text);
    EXPECT_EQ(shownBytes(bytes), "A\\xE9\\x80\\x9F\\x8D");
    EXPECT_EQ(kCodePage.decode(bytes), text);
    EXPECT_EQ(kCodePage.encode(u"\u3042\U0001F600"), "???");
}

}  // namespace
}  // namespace qs::logging
