// Dialogs built from their tables: unit conversion, the controls and their places.
#include "fakehost.h"
#include "pages/calendardialog.h"
#include "pages/dialogunits.h"
#include "pages/notesdialog.h"
#include "pages/optiondialog.h"
#include "pages/prestitidialog.h"
#include "pages/templatedialog.h"
#include "pages/wcalendar.h"
#include "resources/dialog_reminders.h"
#include "resources/dialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(DialogUnits, QuarterCharacterAcrossEighthCharacterDown) {
    const DialogUnits units(6, 13); // the classic 8-point dialog font
    EXPECT_EQ(units.x(4), 6);
    EXPECT_EQ(units.x(240), 360);
    EXPECT_EQ(units.y(8), 13);
    EXPECT_EQ(units.y(210), 341); // 341.25
    EXPECT_EQ(units.x(1), 2);     // 1.5 rounds up
    EXPECT_EQ(units.y(4), 7);     // 6.5 rounds up
    EXPECT_EQ(units.x(-4), -6);
    EXPECT_EQ(units.rect(8, 192, 50, 14), QRect(12, 312, 75, 23));
}

TEST(DialogUnits, FollowTheFontsLettersAndHeight) {
    QFont font = QApplication::font();
    const DialogUnits small(font);
    font.setPointSizeF(font.pointSizeF() * 2);
    const DialogUnits large(font);
    EXPECT_EQ(small.baseY(), QFontMetrics(QApplication::font()).height());
    EXPECT_GT(small.baseX(), 2);
    EXPECT_GT(large.baseX(), small.baseX());
    EXPECT_GT(large.baseY(), small.baseY());
}

TEST(TemplateDialog, TheMainDialogHasItsButtonsAndTabsInPlace) {
    const TemplateDialog dialog(kMainDialog);
    const DialogUnits& units = dialog.units();
    EXPECT_EQ(dialog.templateSize(), units.size(240, 210));
    EXPECT_EQ(dialog.size(), dialog.templateSize());

    auto* close = dialog.itemAs<QPushButton>(kCloseButton);
    auto* collapse = dialog.itemAs<QPushButton>(kCollapseButton);
    auto* tabs = dialog.itemAs<QTabWidget>(kTabControl);
    ASSERT_TRUE(close && collapse && tabs);
    EXPECT_EQ(close->text().remove(u'&'), QStringLiteral("Close"));
    EXPECT_TRUE(close->isDefault());
    EXPECT_EQ(close->geometry(), units.rect(182, 192, 50, 14));
    EXPECT_EQ(collapse->text().remove(u'&'), QStringLiteral("Collapse"));
    EXPECT_FALSE(collapse->isDefault());
    EXPECT_EQ(collapse->geometry(), units.rect(8, 192, 50, 14));
    EXPECT_EQ(tabs->geometry(), units.rect(8, 4, 224, 184));
    EXPECT_EQ(dialog.items().size(), 3u);
    EXPECT_EQ(dialog.item(12345), nullptr);
    EXPECT_EQ(dialog.item(kNoId), nullptr);
}

TEST(TemplateDialog, AnUnknownTableGivesAnEmptyDialog) {
    const TemplateDialog dialog(1);
    EXPECT_TRUE(dialog.items().empty());
    EXPECT_TRUE(dialog.templateSize().isEmpty());
}

TEST(TemplateDialog, TextsNeverClipWhateverTheFont) {
    // A wide font makes every text of the About page longer than its box in the table.
    const QFont normal = QApplication::font();
    QFont wide = normal;
    wide.setLetterSpacing(QFont::PercentageSpacing, 160);
    QApplication::setFont(wide);
    const TemplateDialog page(kAboutPage);
    QApplication::setFont(normal);

    const QRect inside(QPoint(0, 0), page.templateSize());
    const DialogTable* table = dialogTable(kAboutPage);
    ASSERT_NE(table, nullptr);
    int grown = 0;
    for (std::size_t i = 0; i < table->items.size(); ++i) {
        const DialogItem& row = table->items[i];
        auto* label = qobject_cast<QLabel*>(page.items()[i]);
        if (row.kind != ItemKind::CentredText || !label) continue;
        const QRect box = label->geometry();
        const QRect planned = page.units().rect(row.x, row.y, row.cx, row.cy);
        EXPECT_GE(box.width(), label->fontMetrics().horizontalAdvance(label->text())) << row.text;
        EXPECT_TRUE(inside.contains(box)) << row.text;
        if (box.width() > planned.width()) {
            ++grown;
            // Grown evenly on both sides unless an edge pushed it back in.
            if (box.left() > 0 && box.right() < inside.right()) {
                EXPECT_LE(std::abs(box.center().x() - planned.center().x()), 1) << row.text;
            }
        } else {
            EXPECT_EQ(box, planned) << row.text;
        }
    }
    EXPECT_GT(grown, 0);
}

namespace {

template <class Page> std::unique_ptr<TemplateDialog> make(DialogHost& host) {
    return std::make_unique<Page>(host);
}

class KeyOrder : public ::testing::TestWithParam<std::unique_ptr<TemplateDialog> (*)(DialogHost&)> {
};

} // namespace

// Tab goes through each page's controls that take the keys in the order of its table, also
// through those the page put in the place of an item, and the calendar over its group box.
TEST_P(KeyOrder, TabFollowsTheTable) {
    FakeHost host;
    const std::unique_ptr<TemplateDialog> page = GetParam()(host);
    const auto* reminders = dynamic_cast<CalendarDialog*>(page.get());
    const DialogTable* table = dialogTable(page->tableId());
    std::vector<QWidget*> expected;
    for (std::size_t i = 0; i < table->items.size(); ++i) {
        QWidget* w = page->items()[i];
        if (reminders && table->items[i].id == reminderid::Calendar)
            w = reminders->findChild<WCalendar*>();
        if ((w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QLabel*>(w)) expected.push_back(w);
    }
    std::vector<QWidget*> walked;
    QWidget* w = expected.front();
    do {
        if (std::count(expected.begin(), expected.end(), w) &&
            !std::count(walked.begin(), walked.end(), w))
            walked.push_back(w);
        w = w->nextInFocusChain();
    } while (w != expected.front());
    EXPECT_EQ(walked, expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, KeyOrder,
                         ::testing::Values(make<NotesDialog>, make<PrestitiDialog>,
                                           make<CalendarDialog>, make<OptionDialog>));
