#include "framework/TextConversion.h"

#include <gtest/gtest.h>

namespace {

TEST(TextConversion, ShowsValidUtf8AsUtf8)
{
    EXPECT_EQ(ToQt("Caf\xC3\xA9"), QString::fromUtf8("Café"));
    EXPECT_EQ(ToQt("\xE2\x82\xAC 5"), QString::fromUtf8("€ 5"));
    EXPECT_EQ(ToQt("\xF0\x9F\x8E\xB5"), QString::fromUtf8("🎵"));
}

TEST(TextConversion, ShowsOtherBytesAsWindows1252)
{
    EXPECT_EQ(ToQt("Caf\xE9"), QString::fromUtf8("Café"));
    EXPECT_EQ(ToQt("\x80 \x85 \x93quoted\x94 \x9F"), QString::fromUtf8("€ … “quoted” Ÿ"));
    // The bytes the code page leaves undefined still show as one character each.
    EXPECT_EQ(ToQt("\x81\x8D\x8F\x90\x9D").size(), 5);
}

TEST(TextConversion, TakesOneBadSequenceAsWindows1252ForTheWholeText)
{
    // Valid UTF-8 next to a stray byte: the text cannot be UTF-8, so every byte is one character.
    EXPECT_EQ(ToQt("\xC3\xA9 \xE9"), QString::fromUtf8("Ã© é"));
}

TEST(TextConversion, RefusesMalformedUtf8)
{
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));   // U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong slash
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
    EXPECT_FALSE(IsValidUtf8("\xA9"));              // lone continuation
}

TEST(TextConversion, GivesTypedTextBackAsUtf8)
{
    EXPECT_EQ(FromQt(QString::fromUtf8("Café €")), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(FromQt(ToQt("\xE2\x82\xAC")), "\xE2\x82\xAC");
}

} // namespace
