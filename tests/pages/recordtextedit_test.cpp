// The page edits that hold a record's text take no more than its field stores, in characters
// of any script: a paste is cut between characters with a beep, typing past the limit is
// refused, and what the edit shows is what the record keeps.
#include "fakehost.h"
#include "pages/calendardialog.h"
#include "pages/notesdialog.h"
#include "pages/prestitidialog.h"
#include "resources/dialog_lendings.h"
#include "resources/dialog_notes.h"
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

using Page = std::unique_ptr<TemplateDialog>;

struct PageEdit {
    const char* name;
    std::size_t maxBytes;
    QString pasted;
    std::function<QWidget*(FakeHost&, Page&)> open; // builds the page, answers the edit
};

class PageEdits : public ::testing::TestWithParam<PageEdit> {
protected:
    void SetUp() override {
        setTodaySource([] { return makeDate(2, 3, 1998); });
    }
    void TearDown() override { setTodaySource({}); }
};

TEST_P(PageEdits, TakeWhatTheFieldStores) {
    const PageEdit& c = GetParam();
    FakeHost host;
    Page page;
    QWidget* edit = c.open(host, page);
    page->show();
    QSignalSpy cut(edit, SIGNAL(inputCut()));
    const auto shown = [edit] {
        auto* line = qobject_cast<QLineEdit*>(edit);
        return line ? line->text() : static_cast<QPlainTextEdit*>(edit)->toPlainText();
    };
    QGuiApplication::clipboard()->setText(c.pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    const QString fits = cutToBytes(c.pasted, c.maxBytes);
    EXPECT_LT(fits.size(), c.pasted.size());
    EXPECT_EQ(shown(), fits);
    EXPECT_EQ(cut.count(), 1);
    // Full: a typed letter of two bytes is not taken, and says nothing.
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(QChar(0x436)), {});
    EXPECT_EQ(shown(), fits);
    EXPECT_EQ(cut.count(), 1);
    if (qobject_cast<NotesDialog*>(page.get())) {
        page->itemAs<QPushButton>(noteid::AddButton)->click();
        EXPECT_EQ(host.records.note(0)->text(), fits.toStdString()) << "stored as shown";
    }
}

const QString kLongText = QString(130, QChar(0x436)) + QStringLiteral(" THE END");

template <class T> T* made(Page& page, T* built) {
    page.reset(built);
    return built;
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageEdits,
    ::testing::Values(PageEdit{"NoteText", kTextBytes, kLongText,
                               [](FakeHost& h, Page& p) -> QWidget* {
                                   return made(p, new NotesDialog(h))->edit();
                               }},
                      PageEdit{"LendingObject", kTextBytes, kLongText,
                               [](FakeHost& h, Page& p) -> QWidget* {
                                   return made(p, new PrestitiDialog(h))
                                       ->itemAs<QPlainTextEdit>(lendingid::Object);
                               }},
                      PageEdit{"LendingPerson", kPersonBytes,
                               QString::fromUtf8("Жанна Ивановна Петрова-Сидорова"),
                               [](FakeHost& h, Page& p) -> QWidget* {
                                   return made(p, new PrestitiDialog(h))
                                       ->itemAs<QComboBox>(lendingid::Person)
                                       ->lineEdit();
                               }},
                      PageEdit{"ReminderText", kTextBytes, kLongText,
                               [](FakeHost& h, Page& p) -> QWidget* {
                                   return made(p, new CalendarDialog(h))->textEdit();
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
