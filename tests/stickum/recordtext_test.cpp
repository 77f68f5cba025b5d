#include "stickum/recordtext.h"

#include <gtest/gtest.h>

TEST(RecordText, StoredLineBreaksAndOldBytesShowAsTheEditControlsWantThem) {
    EXPECT_EQ(toEditText("milk\r\neggs\rtea"), QStringLiteral("milk\neggs\ntea"));
    EXPECT_EQ(toEditText("caf\xE9"), QString::fromUtf8("caf\xC3\xA9")); // Windows-1252
}

TEST(RecordText, EditedTextIsStoredWithCrLfAndCutBetweenCharacters) {
    EXPECT_EQ(fromEditText(QStringLiteral("milk\neggs"), 255), "milk\r\neggs");
    // 127 two-byte characters fill 254 bytes; the next one does not fit in 255.
    const QString accents(128, QChar(0xE9));
    EXPECT_EQ(fromEditText(accents, 255).size(), 254u);
    EXPECT_EQ(cutToBytes(accents, 255), QString(127, QChar(0xE9)));
    EXPECT_EQ(cutToBytes(QStringLiteral("short"), 255), QStringLiteral("short"));
}
