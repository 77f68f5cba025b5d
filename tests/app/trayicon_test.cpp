// The tray icon's picture keeps its square shape in the middle of the slot the tray gives it,
// whatever the slot's shape (33 x 22 or 44 x 22 at scales 1.5 and 2).
#include "app/trayicon.h"
#include "resources/pictures.h"
#include "stickum/images.h"

#include <QPainter>
#include <QSystemTrayIcon>

#include <gtest/gtest.h>

namespace {

class TrayPicture : public ::testing::TestWithParam<QSize> {};

TEST_P(TrayPicture, IsSquareAndCentredInItsSlot) {
    const QSize slot = GetParam();
    QtTrayIcon tray;
    tray.add(kNoteShownIcon, QStringLiteral("tip"));
    const QIcon icon = tray.qtIcon()->icon();
    const int side = std::min(slot.width(), slot.height());
    QImage expected(slot, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter(&expected).drawPixmap((slot.width() - side) / 2, (slot.height() - side) / 2,
                                   Images::pixmap(kNoteShownIcon, QSize(side, side)));
    // As the tray asks for it, and as the tray draws it.
    QImage painted(slot, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    icon.paint(std::make_unique<QPainter>(&painted).get(), QRect(QPoint(0, 0), slot));
    EXPECT_EQ(icon.pixmap(slot).toImage().convertToFormat(expected.format()), expected);
    EXPECT_EQ(painted, expected);
}

INSTANTIATE_TEST_SUITE_P(Slots, TrayPicture,
                         ::testing::Values(QSize(22, 22), QSize(33, 22), QSize(44, 22),
                                           QSize(24, 48)));

} // namespace
