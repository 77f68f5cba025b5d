#include "model/postit.h"
#include "model/text.h"

#include <gtest/gtest.h>

TEST(Text, CutsUtf8OnlyAtCharacterBoundaries) {
    const std::string twoByte = "\xC3\xA9"; // é
    const std::string text = std::string(254, 'a') + twoByte;
    EXPECT_EQ(cutToBytes(text, 255), std::string(254, 'a'));
    EXPECT_EQ(cutToBytes(text, 256), text);
    const std::string euro = "\xE2\x82\xAC"; // €
    EXPECT_EQ(cutToBytes("ab" + euro, 4), "ab");
}

TEST(Text, SingleByteTextsAreCutAtAnyByte) {
    const std::string cp1252 = std::string(254, 'a') + "\xE9\xE9"; // é é in Windows-1252
    EXPECT_EQ(cutToBytes(cp1252, 255).size(), 255u);
}

TEST(Text, OldWindowsTextIsShownAsWindows1252) {
    EXPECT_EQ(displayUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(displayUtf8("\x80 5"), "\xE2\x82\xAC 5");
    EXPECT_EQ(displayUtf8("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));     // cut short
}

TEST(Text, RecordsKeepAtMost255BytesOfTextAnd49OfPerson) {
    Note note;
    note.setText(std::string(300, 'x'));
    EXPECT_EQ(note.text(), std::string(255, 'x'));
    Prestito lending;
    lending.setPerson(std::string(60, 'p'));
    EXPECT_EQ(lending.person(), std::string(49, 'p'));
}
