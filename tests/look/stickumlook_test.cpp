#include "look/stickumlook.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

TEST(StickumLook, LogicalFontBecomesAQtFont) {
    LogFont logFont = LogFont::defaultFont();
    logFont.height = -17;
    logFont.weight = 700;
    logFont.italic = 1;
    logFont.underline = 1;
    logFont.strikeOut = 1;
    logFont.setFace("DejaVu Serif");
    const QFont font = fontFromLogFont(logFont);
    EXPECT_EQ(font.pixelSize(), 17);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_EQ(font.family(), QStringLiteral("DejaVu Serif"));

    // A positive height is the whole cell: the characters come out no taller.
    logFont = LogFont::defaultFont();
    logFont.height = 20;
    const QFont cell = fontFromLogFont(logFont);
    EXPECT_LE(QFontMetrics(cell).height(), 21);
    EXPECT_EQ(cell.weight(), QFont::Normal);
    EXPECT_EQ(cell.family(), QGuiApplication::font().family()); // no face: the default one
}

TEST(StickumLook, NoStickumFontMeansTheApplicationFont) {
    Options options;
    EXPECT_EQ(stickumFont(options), QGuiApplication::font());
}

TEST(StickumLook, CaptionFontIsArialOrItsMetricTwin) {
    const QFont font = captionFont(10);
    EXPECT_EQ(font.pixelSize(), 10);
    EXPECT_EQ(font.weight(), 200);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
        << family.toStdString();
}
