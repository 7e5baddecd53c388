// Text in document bodies: 7-bit text unchanged, line breaks as hard returns, other letters as
// the format's codes, read back by the independent reader.
#include "documents/merge/wpd_text.h"

#include <gtest/gtest.h>

#include "platform/sys/files.h"
#include "wpd_read.h"

TEST(WpdText, SevenBitTextStaysByteIdentical) {
    std::string ascii;
    for (char c = 0x20; c < 0x7F; ++c)
        ascii += c;
    ascii += "\nnext line";
    EXPECT_EQ(EncodeWpdText(ascii), ascii);
}

TEST(WpdText, LineBreaksBecomeHardReturnsAndControlsGo) {
    EXPECT_EQ(EncodeWpdText("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(EncodeWpdText("a\tb\x01\x1b"
                            "c\x7f"),
              "a bc");
    EXPECT_EQ(EncodeWpdText("\r\n\r\n"), "\n\n");
}

TEST(WpdText, OtherCharactersBecomeExtendedCodesOrAQuestionMark) {
    EXPECT_EQ(EncodeWpdText("\xC3\xA9"), std::string("\xC0\x29\x01\xC0"));      // é: set 1, 41
    EXPECT_EQ(EncodeWpdText("\xE2\x80\x93"), std::string("\xC0\x21\x04\xC0"));  // en dash
    EXPECT_EQ(EncodeWpdText("\xE4\xB8\xAD"), "?");                              // no place
    EXPECT_EQ(EncodeWpdText("a\xFF"
                            "b"),
              "a?b");                       // not UTF-8
    EXPECT_EQ(EncodeWpdText("\xC3"), "?");  // cut short
}

TEST(WpdText, ReaderGetsTheTextBack) {
    ScratchFolder folder("wpd_text");
    const std::string text =
        "Ren\xC3\xA9 M\xC3\xBCller, S\xC3\xA3o Jo\xC3\xA3o \xC2\xA7 3 \xE2\x80\x93 "
        "\xE2\x80\x9Cquoted\xE2\x80\x9D 5 \xC2\xB5g/L \xC2\xB1 1 \xC3\x9F\xC3\x86\xC3\xB8 "
        "\xE2\x82\xAC 20";
    std::string path = folder.File("t.wpd");
    ASSERT_TRUE(sys::WriteWholeFile(path, WpdFilePrefix() + EncodeWpdText(text + "\nline 2\n")));
    EXPECT_EQ(WpdToText(path), text + "\nline 2\n");
}

TEST(WpdText, EveryLatinOneLetterReadsBack) {
    ScratchFolder folder("wpd_latin1");
    std::string text;
    for (char32_t c = 0xC0; c <= 0xFF; ++c) {
        if (c == 0xD7 || c == 0xF7)
            continue;  // signs, not letters
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    std::string path = folder.File("latin1.wpd");
    ASSERT_TRUE(sys::WriteWholeFile(path, WpdFilePrefix() + EncodeWpdText(text + "\n")));
    EXPECT_EQ(WpdToText(path), text + "\n");
}
