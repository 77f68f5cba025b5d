#include "stickum/recordtext.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

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

TEST(RecordText, StoredSizeCountsUtf8AndTwoBytesALineBreak) {
    EXPECT_EQ(storedSize(QStringLiteral("milk\neggs")), 10u);
    EXPECT_EQ(storedSize(QString(3, QChar(0x436))), 6u);
    EXPECT_EQ(storedSize(QString::fromUtf8("\xF0\x9F\x99\x82")), 4u); // one character, two halves
}

// What of a new text fits in place of a selection of an edit's text, within a field.
struct Fitting {
    const char* why;
    QString text;
    qsizetype from, to;
    QString added;
    std::size_t maxBytes;
    QString fits;
};

class FittingStart : public ::testing::TestWithParam<Fitting> {};

TEST_P(FittingStart, TakesTheLongestStartThatFitsBetweenCharacters) {
    const Fitting& c = GetParam();
    EXPECT_EQ(fittingStart(c.text, c.from, c.to, c.added, c.maxBytes), c.fits);
}

const QString kCyrillic(130, QChar(0x436));
const QString kFace = QString::fromUtf8("\xF0\x9F\x99\x82");

INSTANTIATE_TEST_SUITE_P(
    Texts, FittingStart,
    ::testing::Values(
        Fitting{"all fits", "ab", 2, 2, "cd", 255, "cd"},
        Fitting{"127 letters of two bytes fill 254", "", 0, 0, kCyrillic + " THE END", 255,
                kCyrillic.left(127)},
        Fitting{"a full text takes nothing", QString(255, u'a'), 255, 255, "b", 255, ""},
        Fitting{"a selection makes room", QString(255, u'a'), 0, 3, "bcde", 255, "bcd"},
        Fitting{"a line break takes two bytes", QString(253, u'a'), 253, 253, "\nb", 255, "\n"},
        Fitting{"nor half a pair", QString(252, u'a'), 252, 252, kFace + kFace, 255, ""},
        Fitting{"an over-long old text takes nothing more", QString(300, u'a'), 0, 0, "b", 255,
                ""}),
    [](const auto& info) {
        std::string name;
        for (const char c : std::string(info.param.why))
            if (std::isalnum(static_cast<unsigned char>(c))) name += c;
        return name;
    });
