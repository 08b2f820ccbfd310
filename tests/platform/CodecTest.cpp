#include "platform/Codec.h"

#include <gtest/gtest.h>

using platform::Cp932ToUtf8;
using platform::Utf8ToCp932;

TEST(Codec, RoundTripsJapaneseAndAscii) {
    const std::string cp932 = "\x90\xED\x93\xAC\x8B\x40" "A1"; // 戦闘機A1
    EXPECT_EQ(Cp932ToUtf8(cp932), "戦闘機A1");
    EXPECT_EQ(Utf8ToCp932("戦闘機A1"), cp932);
    EXPECT_EQ(Utf8ToCp932("ﾌｧｲﾙ"), std::string("\xCC\xA7\xB2\xD9"));
}

TEST(Codec, UndecodableBytesBecomeReplacementCharacters) {
    EXPECT_EQ(Cp932ToUtf8("AB\x83"), "AB\xEF\xBF\xBD");             // lone lead byte at the end
    EXPECT_EQ(Cp932ToUtf8(std::string("A\0B", 3)), std::string("A\0B", 3));
    EXPECT_EQ(Cp932ToUtf8("\xFD" "A"), "\xEF\xBF\xBD" "A");
}

TEST(Codec, RefusesCharactersOutsideTheCodePage) {
    EXPECT_FALSE(Utf8ToCp932("A\xF0\x9F\x98\x80").has_value()); // emoji
    EXPECT_FALSE(Utf8ToCp932("\xC3\xA9").has_value());          // é
    EXPECT_EQ(Utf8ToCp932(""), std::string());
}

TEST(Codec, EscapedDecodingRoundTripsEveryByteString) {
    const std::string cases[] = {"ABCDEFGHIJKLMNO\x83", std::string("ABC\0XYZ\x01\x02\xFF\x80", 11),
                                 "\x90\xED\x93\xAC\x8B\x40", "\xFD\xFE\xA0", "\x81"};
    for (const std::string& bytes : cases) {
        const std::string utf8 = platform::Cp932ToUtf8Escaped(bytes);
        EXPECT_EQ(platform::Utf8ToCp932Escaped(utf8), bytes);
    }
    EXPECT_FALSE(platform::Utf8ToCp932Escaped("\xC3\xA9").has_value());
}
