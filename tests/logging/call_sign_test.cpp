#include "logging/call_sign.h"

#include <gtest/gtest.h>

#include <string>

namespace qs::logging {
namespace {

struct Case {
    const char* word;
    const char* canonical;  // nullptr: not a call sign
};

void expectRule(const Case& c) {
    Text word = fromAscii(c.word);
    const bool passed = NormalizeCallSign(word);
    if (c.canonical == nullptr) {
        EXPECT_FALSE(passed) << c.word << " became " << toUtf8(word);
        EXPECT_EQ(word, fromAscii(c.word)) << "a failing word is left unchanged";
    } else {
        EXPECT_TRUE(passed) << c.word;
        EXPECT_EQ(toUtf8(word), c.canonical) << c.word;
    }
}

// The suffix is cut to three letters keeping a portable digit; "DE" glued
// in front is skipped; the prefix's character classes decide the rest.
TEST(NormalizeCallSign, Examples) {
    const Case cases[] = {{"JA1ABC", "JA1ABC"},     {"JA1ABCD", "JA1ABC"},
                          {"K1AB/4", "K1AB/4"},     {"JA1ABC/1", "JA1ABC/1"},
                          {"JA1ABC/P", "JA1ABC"},   {"JA1AB/QRP", "JA1AB"},
                          {"K1/4", "K1/4"},         {"JA1/P", "JA1"},
                          {"JA1ABC/", "JA1ABC"},    {"JA1ABCD/2", "JA1ABC"},
                          {"W1A/B/2", "W1A"},       {"DEJA1ABC", "JA1ABC"},
                          {"XDEK1AB", "K1AB"},      {"DEK1AB", "K1AB"},
                          {"CQDEJA1ABC", "JA1ABC"}, {"DE JA1ABC", "JA1ABC"},
                          {"DEX1AB", nullptr},      {"1K1ABC", "K1ABC"},
                          {"A41ABC", "A41ABC"},     {"B41ABC", nullptr},
                          {"X1ABC", nullptr},       {"2E0ABC", "2E0ABC"},
                          {"0E0ABC", nullptr},      {"1X1ABC", nullptr},
                          {"/A1ABC", nullptr},      {"ZZJA1ABC", "JA1ABC"},
                          {"2K1AB", "2K1AB"},       {"", nullptr},
                          {"   ", nullptr},         {"K1", nullptr},
                          {"1ABC", nullptr},        {"CQ", nullptr},
                          {"ja1abc", nullptr},      {"Ja1ABC", nullptr},
                          {"J-1ABC", nullptr},      {"5NN", nullptr},
                          {"599", nullptr}};
    for (const Case& c : cases) expectRule(c);
}

TEST(NormalizeCallSign, NonAsciiIsNoLetterOrDigit) {
    Text fullWidthDigit = u"JA\uFF11ABC";  // full-width "1"
    EXPECT_FALSE(NormalizeCallSign(fullWidthDigit));
    Text kana = u"\u30A2A1ABC";
    EXPECT_FALSE(NormalizeCallSign(kana));
    Text kanaSuffix = u"JA1\u30A2\u30A4\u30A6\u30A8";
    ASSERT_TRUE(NormalizeCallSign(kanaSuffix));
    EXPECT_EQ(kanaSuffix, u"JA1\u30A2\u30A4\u30A6");
}

std::optional<std::string> pickUp(const std::string& receiveText) {
    const std::optional<Text> call = PickUpCallSign(fromAscii(receiveText));
    if (!call) return std::nullopt;
    return toUtf8(*call);
}

TEST(PickUpCallSign, WordsBetweenGapsAreTriedNewestFirst) {
    // K is within three characters of the end; at the start the prompt yields
    // " CQ DE JA1ABC", which loses its spaces and passes as JA1ABC.
    EXPECT_EQ(pickUp("RX> CQ DE JA1ABC  K"), "JA1ABC");
    EXPECT_EQ(pickUp("RX> JA1ABC  DE  K1AB  K"), "K1AB");
    EXPECT_EQ(pickUp("RX> K1AB  JA1ABC  5NN  K"), "JA1ABC");
    EXPECT_EQ(pickUp("JA1ABC"), "JA1ABC");
}

TEST(PickUpCallSign, PromptNearTheEndStopsTheScan) {
    EXPECT_EQ(pickUp("RX> JA1ABC\r\nTX> TU\r\nRX> K"), std::nullopt);
    EXPECT_EQ(pickUp("JA1ABC  RX> E"), std::nullopt);
    // A prompt with a word after it is tried like any other word.
    EXPECT_EQ(pickUp("RX> K1AB  RX> JA1ABC"), "JA1ABC");
    EXPECT_EQ(pickUp("RX> K1AB  RX> 599"), "K1AB");
    // Distances count from the end of the tail as first taken: the words cut
    // off after this prompt keep the scan going past it.
    EXPECT_EQ(pickUp("K1AB  RX> E  TU"), "K1AB");
}

TEST(PickUpCallSign, OnlyTheLastThirtyCharactersCount) {
    // One word of 30 characters with single spaces: tried once, whole; the
    // rightmost area digit decides.
    const std::string tail = "CQ CQ TEST DE JA1ABC JA1ABC K";
    ASSERT_EQ(tail.size() + 1, 30u);
    EXPECT_EQ(pickUp("K1AB  " + std::string(" ") + tail), "JA1ABC");
    // The word before the gap survives only while it lies wholly in the tail.
    EXPECT_EQ(pickUp("RX> K1AB  " + std::string(24, 'E')), "K1AB");
    EXPECT_EQ(pickUp("RX> K1AB  " + std::string(25, 'E')), std::nullopt);
}

TEST(PickUpCallSign, OddTexts) {
    for (const char* text : {"", "RX> ", "RX> RX> RX> ", "      ", "K1"}) {
        EXPECT_EQ(pickUp(text), std::nullopt) << text;
    }
    EXPECT_EQ(PickUpCallSign(u"RX> \u30A2\u30A4  JA1ABC  \u00E9\u00E9\u00E9"), Text(u"JA1ABC"));
}

}  // namespace
}  // namespace qs::logging
