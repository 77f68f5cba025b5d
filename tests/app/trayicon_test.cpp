// The tray icon's picture in the slot the tray gives it: square and centred, whatever the
// slot's shape (a tray at scale 1.5 or 2 asks for 33 x 22 or 44 x 22).
#include "app/trayicon.h"
#include "resources/pictures.h"
#include "stickum/images.h"

#include <QPainter>
#include <QSystemTrayIcon>

#include <gtest/gtest.h>

namespace {

class TrayPicture : public ::testing::TestWithParam<QSize> {};

QImage argb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST_P(TrayPicture, IsSquareAndCentredInItsSlot) {
    const QSize slot = GetParam();
    QtTrayIcon tray;
    tray.add(kNoteShownIcon, QStringLiteral("tip"));
    const QIcon icon = tray.qtIcon()->icon();
    const int side = std::min(slot.width(), slot.height());
    const QRect square((slot.width() - side) / 2, (slot.height() - side) / 2, side, side);
    const QImage picture = argb(Images::pixmap(kNoteShownIcon, QSize(side, side)));

    // Asked for a picture, and drawn into the slot by the tray.
    QImage painted(slot, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    {
        QPainter painter(&painted);
        icon.paint(&painter, QRect(QPoint(0, 0), slot));
    }
    for (const QImage& shown : {argb(icon.pixmap(slot)), painted}) {
        ASSERT_EQ(shown.size(), slot);
        EXPECT_EQ(shown.copy(square), picture);
        for (int y = 0; y < slot.height(); ++y)
            for (int x = 0; x < slot.width(); ++x)
                if (!square.contains(x, y))
                    ASSERT_EQ(qAlpha(shown.pixel(x, y)), 0) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Slots, TrayPicture,
                         ::testing::Values(QSize(22, 22), QSize(33, 22), QSize(44, 22),
                                           QSize(24, 48)));

} // namespace
