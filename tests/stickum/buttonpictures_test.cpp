#include "stickum/buttonpictures.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <utility>

namespace {

using Strokes = std::set<std::pair<int, int>>; // (row, column), counted from 1

Strokes strokes(std::initializer_list<std::pair<int, std::initializer_list<int>>> rows) {
    Strokes out;
    for (const auto& [row, columns] : rows) {
        for (int c : columns)
            out.insert({row, c});
    }
    return out;
}

void expectPicture(int id, const Strokes& black) {
    const QImage picture = basePicture(id);
    ASSERT_EQ(picture.size(), QSize(8, 8)) << id;
    for (int row = 1; row <= 8; ++row) {
        for (int column = 1; column <= 8; ++column) {
            const QRgb expected = black.count({row, column}) ? qRgb(0, 0, 0) : qRgb(192, 192, 192);
            EXPECT_EQ(picture.pixel(column - 1, row - 1) & 0xFFFFFF, expected & 0xFFFFFF)
                << id << " row " << row << " column " << column;
        }
    }
}

const ButtonGreys kGreys{QColor(10, 20, 30), QColor(40, 50, 60), QColor(70, 80, 90)};

} // namespace

TEST(ButtonPictures, StickumPicturesArePixelExact) {
    expectPicture(PictureRollUp,
                  strokes({{2, {2, 3, 4, 5, 6}}, {4, {4}}, {5, {3, 4, 5}}, {6, {2, 3, 4, 5, 6}}}));
    expectPicture(PictureRollDown,
                  strokes({{2, {2, 3, 4, 5, 6}}, {3, {3, 4, 5}}, {4, {4}}, {6, {2, 3, 4, 5, 6}}}));
    expectPicture(
        PictureClose,
        strokes({{2, {2, 3, 5, 6}}, {3, {3, 4, 5}}, {4, {4}}, {5, {3, 4, 5}}, {6, {2, 3, 5, 6}}}));
}

TEST(ButtonPictures, GreysBecomeTheDesktopColoursAndBlackStays) {
    const QImage close = buttonPicture(PictureClose, 8, kGreys);
    ASSERT_EQ(close.size(), QSize(8, 8));
    EXPECT_EQ(QColor(close.pixel(0, 0)), kGreys.face);
    EXPECT_EQ(close.pixel(1, 1) & 0xFFFFFF, 0u);

    // The big pictures are ours; they must exist, and hold only black and the greys' colours.
    for (int id : {PictureRestore, PictureMinimise, PictureMaximise}) {
        ASSERT_EQ(basePicture(id).size(), QSize(32, 32)) << id;
        const QImage small = buttonPicture(id, 8, kGreys);
        ASSERT_EQ(small.size(), QSize(8, 8)) << id;
        bool hasBlack = false;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const QColor c(small.pixel(x, y));
                hasBlack = hasBlack || c == Qt::black;
                EXPECT_TRUE(c == Qt::black || c == kGreys.face || c == kGreys.shadow ||
                            c == kGreys.light)
                    << id << " at " << x << "," << y;
            }
        }
        EXPECT_TRUE(hasBlack) << id;
    }
}

TEST(ButtonPictures, UnknownIdsAndEmptySizesGiveNothing) {
    EXPECT_TRUE(basePicture(26195).isNull());
    EXPECT_TRUE(buttonPicture(12345, 8, kGreys).isNull());
    EXPECT_TRUE(buttonPicture(PictureClose, 0, kGreys).isNull());
}
