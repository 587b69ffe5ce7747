#include "rx/morse_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace qs::rx {
namespace {

std::u16string received(int code) {
    const auto text = lookupReceived(code);
    return text ? std::u16string(*text) : u"<none>";
}

TEST(MorseTables, ReceiveEntriesAndCodesWithoutCharacter) {
    // The last entry, entries with a trailing blank, nine dots.
    const std::pair<int, std::u16string> entries[] = {
        {2, u"E"}, {3, u"T"}, {429, u"CQ"}, {2991, u"JA1"}, {76, u"? "}, {85, u". "}, {512, u"HH"}};
    for (const auto& [code, text] : entries) EXPECT_EQ(received(code), text) << code;
    // Eight dots and "*" entries; codes outside the table.
    for (int code : {256, 30, 31, 0, 1, -2, 2992, 1 << 30}) {
        EXPECT_EQ(received(code), u"<none>") << code;
    }
}

TEST(MorseTables, SendPatternsMatchOneCharacterExactly) {
    const std::pair<std::u16string, std::string> patterns[] = {
        {u"E", "12"}, {u" ", "6"}, {u"]", "341414140341432"}, {u"~", "1434141412"}};
    for (const auto& [character, pattern] : patterns) {
        EXPECT_EQ(std::string(patternFor(character).value()), pattern);
    }
    for (TextView missing : {u"a", u"#", u"", u"EE"}) {
        EXPECT_FALSE(patternFor(missing)) << toUtf8(missing);
    }
}

// Sending a character and reading its elements back gives the character.
TEST(MorseTables, SendAndReceiveAgreeOnSingleLetterCharacters) {
    for (char16_t key : std::u16string(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/=+^@),:-(\"")) {
        const TextView character(&key, 1);
        const auto sent = patternFor(character);
        ASSERT_TRUE(sent) << static_cast<char>(key);
        int code = 1;
        for (char symbol : *sent) {
            if (symbol == '1' || symbol == '3') code = code * 2 + (symbol == '3' ? 1 : 0);
        }
        EXPECT_EQ(received(code), std::u16string(character)) << static_cast<char>(key);
    }
}

}  // namespace
}  // namespace qs::rx
