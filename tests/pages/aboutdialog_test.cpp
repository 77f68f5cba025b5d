// The "Infoz" page: what it shows, where, and at which sizes.
#include "fakehost.h"
#include "pages/aboutdialog.h"
#include "resources/dialogs.h"

#include <QLabel>

#include <gtest/gtest.h>

TEST(AboutDialog, ShowsNameVersionMakersAndPictures) {
    FakeHost host;
    const AboutDialog page(host);
    EXPECT_EQ(page.templateSize(), page.units().size(216, 165));

    QStringList texts;
    int icons = 0;
    const QLabel* logo = nullptr;
    for (QWidget* item : page.items()) {
        auto* label = qobject_cast<QLabel*>(item);
        ASSERT_NE(label, nullptr);
        if (!label->pixmap().isNull()) {
            if (label->pixmap().size() == QSize(32, 32))
                ++icons;
            else
                logo = label;
        } else if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    EXPECT_EQ(icons, 3);
    ASSERT_EQ(texts.size(), 6);
    EXPECT_EQ(texts[0], QStringLiteral("Quillbox"));
    EXPECT_EQ(texts[1], QStringLiteral("version 0.9999 R2"));
    EXPECT_TRUE(texts[2].startsWith(QStringLiteral("by ")));
    EXPECT_TRUE(texts[4].startsWith(QStringLiteral("mailto:")));

    // The logo stands centred in its box at its own size.
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->pixmap().size(), QSize(128, 64));
    EXPECT_EQ(logo->geometry(), page.units().rect(52, 36, 108, 44));
    EXPECT_TRUE(logo->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(logo->alignment() & Qt::AlignVCenter);
}
