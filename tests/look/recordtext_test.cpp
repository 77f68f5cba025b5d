#include "look/recordtext.h"

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

// What of a new text fits in place of a selection [from, to) of an edit's text, in 255 bytes.
struct Fitting {
    QString text;
    qsizetype from, to;
    QString added;
    QString fits;
};

class FittingStart : public ::testing::TestWithParam<Fitting> {};

TEST_P(FittingStart, TakesTheLongestStartThatFitsBetweenCharacters) {
    const Fitting& c = GetParam();
    EXPECT_EQ(fittingStart(c.text, c.from, c.to, c.added, 255), c.fits);
}

const QString kFace = QString::fromUtf8("\xF0\x9F\x99\x82"); // one character, two halves

INSTANTIATE_TEST_SUITE_P(
    Texts, FittingStart,
    ::testing::Values(Fitting{"", 0, 0, QString(130, QChar(0x436)), QString(127, QChar(0x436))},
                      Fitting{QString(255, u'a'), 255, 255, "b", ""},
                      Fitting{QString(255, u'a'), 0, 3, "bcde", "bcd"},   // the selection goes
                      Fitting{QString(253, u'a'), 253, 253, "\nb", "\n"}, // a break is CR LF
                      Fitting{QString(252, u'a'), 252, 252, kFace + kFace, ""},
                      Fitting{QString(300, u'a'), 0, 0, "b", ""})); // an over-long old text
