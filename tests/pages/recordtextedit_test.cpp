// A record's one-line text (a lending's person) takes no more than its field stores, in
// characters of any script: a paste is cut between characters with a beep, typing past the
// limit is refused. (The edits of several lines share the rule with a Stickum's edit.)
#include "pages/recordtextedit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(RecordLineEdit, PasteIsCutAndTypingRefusedAtTheStoredLimit) {
    RecordLineEdit person(49);
    QSignalSpy cut(&person, &RecordLineEdit::inputCut);
    // 31 characters, 59 bytes: 28 letters of two bytes (the hyphen and spaces take one).
    QGuiApplication::clipboard()->setText(QString::fromUtf8("Жанна Ивановна Петрова-Сидорова"));
    QTest::keyClick(&person, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(person.text(), QString::fromUtf8("Жанна Ивановна Петрова-Сид"));
    EXPECT_EQ(cut.count(), 1);
    QTest::sendKeyEvent(QTest::Click, &person, Qt::Key_unknown, QString(QChar(0x436)), {});
    EXPECT_EQ(person.text(), QString::fromUtf8("Жанна Ивановна Петрова-Сид"));
    EXPECT_EQ(cut.count(), 1) << "a refused key says nothing";
}
