// The page edits that hold a record's text take no more than its field stores, in characters
// of any script: typing past the limit is refused, a paste is cut between characters with a
// beep, and what the edit shows is what the record keeps.
#include "fakehost.h"
#include "pages/calendardialog.h"
#include "pages/notesdialog.h"
#include "pages/prestitidialog.h"
#include "pages/wcalendar.h"
#include "resources/dialog_lendings.h"
#include "resources/dialog_notes.h"
#include "resources/dialog_reminders.h"
#include "stickum/recordtext.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// 130 Cyrillic letters and " THE END"; a name of 31 characters and 59 bytes.
const QString kLongText = QString(130, QChar(0x436)) + QStringLiteral(" THE END");
const QString kLongName = QString::fromUtf8("Жанна Ивановна Петрова-Сидорова");

struct PageEdit;

class PageEdits : public ::testing::TestWithParam<PageEdit> {
protected:
    void SetUp() override {
        const Date today = makeDate(2, 3, 1998);
        setTodaySource([today] { return today; });
    }
    void TearDown() override {
        page.reset();
        setTodaySource({});
    }

    FakeHost host;
    std::unique_ptr<QWidget> page;
};

struct PageEdit {
    const char* name;
    std::size_t maxBytes;
    QString pasted;
    // Builds the page and answers its edit.
    std::function<QWidget*(FakeHost&, std::unique_ptr<QWidget>&)> open;
    // Adds what the page's form holds and answers the record's stored field.
    std::function<std::string(FakeHost&, QWidget&)> addAndRead;
};

template <class Page> Page& as(QWidget& page) {
    return static_cast<Page&>(page);
}

void press(QWidget& page, int id) {
    auto* button = static_cast<TemplateDialog&>(page).itemAs<QPushButton>(id);
    QTest::mouseClick(button, Qt::LeftButton);
}

const PageEdit kEdits[] = {
    {"NoteText", kTextBytes, kLongText,
     [](FakeHost& host, std::unique_ptr<QWidget>& page) -> QWidget* {
         page = std::make_unique<NotesDialog>(host);
         return as<NotesDialog>(*page).edit();
     },
     [](FakeHost& host, QWidget& page) {
         press(page, noteid::AddButton);
         return host.records.note(0)->text();
     }},
    {"LendingObject", kTextBytes, kLongText,
     [](FakeHost& host, std::unique_ptr<QWidget>& page) -> QWidget* {
         page = std::make_unique<PrestitiDialog>(host);
         return as<PrestitiDialog>(*page).itemAs<QPlainTextEdit>(lendingid::Object);
     },
     [](FakeHost& host, QWidget& page) {
         auto& lendings = as<PrestitiDialog>(page);
         QTest::keyClicks(lendings.itemAs<QComboBox>(lendingid::Person)->lineEdit(), "Ann");
         press(page, lendingid::AddButton);
         return host.records.lending(0)->text();
     }},
    {"LendingPerson", kPersonBytes, kLongName,
     [](FakeHost& host, std::unique_ptr<QWidget>& page) -> QWidget* {
         page = std::make_unique<PrestitiDialog>(host);
         return as<PrestitiDialog>(*page).itemAs<QComboBox>(lendingid::Person)->lineEdit();
     },
     [](FakeHost& host, QWidget& page) {
         auto& lendings = as<PrestitiDialog>(page);
         QTest::keyClicks(lendings.itemAs<QPlainTextEdit>(lendingid::Object), "book");
         press(page, lendingid::AddButton);
         return host.records.lending(0)->person();
     }},
    {"ReminderText", kTextBytes, kLongText,
     [](FakeHost& host, std::unique_ptr<QWidget>& page) -> QWidget* {
         page = std::make_unique<CalendarDialog>(host);
         // The text belongs to the day selected first.
         page->show();
         WCalendar* calendar = as<CalendarDialog>(*page).calendar();
         calendar->grab(); // the calendar takes its place at its first paint
         const QRect cell = calendar->dayRect(12);
         QTest::mouseClick(calendar, Qt::LeftButton, {},
                           {cell.left() + calendar->colWidth() * 3 / 4, cell.center().y()});
         return as<CalendarDialog>(*page).textEdit();
     },
     [](FakeHost& host, QWidget& page) {
         press(page, reminderid::AddButton);
         return host.records.reminderCount() > 0 ? host.records.reminder(0)->text() : "";
     }},
};

QString textOf(QWidget* edit) {
    if (auto* line = qobject_cast<QLineEdit*>(edit)) return line->text();
    return static_cast<QPlainTextEdit*>(edit)->toPlainText();
}

TEST_P(PageEdits, TakeWhatTheFieldStoresAndKeepAllTheyShow) {
    const PageEdit& c = GetParam();
    QWidget* edit = c.open(host, page);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    QSignalSpy cut(edit, SIGNAL(inputCut()));
    edit->setFocus();

    // A paste beyond the field is cut between characters before the edit takes it.
    QGuiApplication::clipboard()->setText(c.pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    const QString fits = cutToBytes(c.pasted, c.maxBytes);
    EXPECT_LT(fits.size(), c.pasted.size());
    EXPECT_EQ(textOf(edit), fits);
    EXPECT_EQ(cut.count(), 1);

    // The edit is full: a typed letter of two bytes is not taken, and says nothing.
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(QChar(0x436)), {});
    EXPECT_EQ(textOf(edit), fits);
    EXPECT_EQ(cut.count(), 1);

    // What the edit shows is what the record keeps.
    EXPECT_EQ(c.addAndRead(host, *page), fits.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Pages, PageEdits, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
