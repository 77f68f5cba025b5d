#include "stickum/recordtext.h"

#include <gtest/gtest.h>

TEST(RecordText, StoredLineBreaksAndOldBytesShowAsTheEditControlsWantThem) {
    EXPECT_EQ(toEditText("milk\r\neggs\rtea"), QStringLiteral("milk\neggs\ntea"));
    EXPECT_EQ(toEditText("caf\xE9"), QString::fromUtf8("caf\xC3\xA9")); // Windows-1252
}

TEST(RecordText, EditedTextIsStoredWithCrLfAndCutBetweenCharacters) {
    EXPECT_EQ(fromEditText(QStringLiteral("milk\neggs"), 255), "milk\r\neggs");
    // 127 two-byte characters fill 254 bytes; the next one does not fit in 255.
    const QString cyrillic(128, QChar(0x436));
    EXPECT_EQ(fromEditText(cyrillic, 255).size(), 254u);
    const QString accents(128, QChar(0xE9));
    EXPECT_EQ(cutToBytes(accents, 255), QString(127, QChar(0xE9)));
    EXPECT_EQ(cutToBytes(QStringLiteral("short"), 255), QStringLiteral("short"));
}

TEST(RecordText, AnOldSingleByteTextThatFitsOnlySoKeepsItsEndWhenEdited) {
    // 200 accented letters and a euro sign: 201 bytes in Windows-1252, 403 in UTF-8.
    const std::string old = std::string(200, '\xE9') + "\x80";
    const QString edited = toEditText(old) + QStringLiteral("!");
    const std::string stored = fromEditText(edited, 255);
    EXPECT_EQ(stored, old + "!");
    EXPECT_EQ(toEditText(stored), edited);
}
