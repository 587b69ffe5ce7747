#include "rx/morse_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace qs::rx {
namespace {

std::u16string received(int code) {
    const auto text = lookupReceived(code);
    return text ? std::u16string(*text) : u"<none>";
}

std::string pattern(TextView character) {
    const auto found = patternFor(character);
    return found ? std::string(*found) : "<none>";
}

TEST(ReceiveTable, EntriesAndCodesWithoutCharacter) {
    EXPECT_EQ(received(2), u"E");
    EXPECT_EQ(received(3), u"T");
    EXPECT_EQ(received(429), u"CQ");
    EXPECT_EQ(received(2991), u"JA1");  // the last entry
    EXPECT_EQ(received(76), u"? ");     // trailing blank kept
    EXPECT_EQ(received(85), u". ");
    EXPECT_EQ(received(512), u"HH");      // nine dots
    EXPECT_EQ(received(256), u"<none>");  // eight dots
    EXPECT_EQ(received(30), u"<none>");   // "*" entries
    EXPECT_EQ(received(31), u"<none>");
    for (int code : {0, 1, -2, 2992, 1 << 30}) EXPECT_EQ(received(code), u"<none>") << code;
}

TEST(SendTable, MatchesOneCharacterExactly) {
    EXPECT_EQ(pattern(u"E"), "12");
    EXPECT_EQ(pattern(u" "), "6");
    EXPECT_EQ(pattern(u"]"), "341414140341432");
    EXPECT_EQ(pattern(u"~"), "1434141412");  // the last row
    for (TextView missing : {u"a", u"#", u"", u"EE"}) {
        EXPECT_EQ(pattern(missing), "<none>") << toUtf8(missing);
    }
}

// Sending a character and reading its elements back gives the character.
TEST(MorseTables, SendAndReceiveAgreeOnSingleLetterCharacters) {
    const std::u16string keys = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/=+^@),:-(\"";
    for (char16_t key : keys) {
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
