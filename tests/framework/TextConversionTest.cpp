#include "framework/TextConversion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextConversion, ShowsValidUtf8AsUtf8AndAnyOtherTextAsWindows1252)
{
    EXPECT_EQ(ToQt("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\xB5"), QString::fromUtf8("Café € 🎵"));
    // Valid UTF-8 next to a stray byte: the text cannot be UTF-8, so every byte is one character.
    EXPECT_EQ(ToQt("\xC3\xA9 \xE9"), QString::fromUtf8("Ã© é"));
}

// 0x80 to 0x9F, where the code page differs from Latin-1; the five bytes it leaves
// undefined keep their Latin-1 control characters.
TEST(TextConversion, ShowsEveryHighByteOfWindows1252AsItsCharacter)
{
    const char16_t shown[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int byte = 0x80; byte <= 0x9F; ++byte)
        EXPECT_EQ(ToQt(std::string(1, static_cast<char>(byte))), QString(QChar(shown[byte - 0x80]))) << byte;
}

TEST(TextConversion, TakesOnlyWellFormedUtf8AsUtf8)
{
    EXPECT_TRUE(IsValidUtf8("") && IsValidUtf8("plain") && IsValidUtf8("\xF4\x8F\xBF\xBF"));
    // Overlong forms, a surrogate, above U+10FFFF, cut short, a lone continuation byte.
    for (const char* invalid : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\xA9"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
}

} // namespace
