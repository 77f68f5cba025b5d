#include "minititlebarpeer.h"
#include "model/postit.h"
#include "stickum/buttonpictures.h"
#include "stickum/stickum.h"
#include "stickum/stickumedit.h"
#include "stickum_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

// Reads the Stickum's line height.
struct WPostItTestPeer {
    static int lineHeight(const WPostIt& content) { return content.lineHeight_; }
};

// Reads the summary the Stickum's title is made from.
struct SmallFrameTestPeer {
    static QString summary(const SmallFrame& frame) { return frame.summary_; }
};

namespace {

class StickumTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto font = fontWithLineHeight(16);
        if (!font) GTEST_SKIP() << "no installed font with a 16-pixel line height";
        options.stickumFont = font;
        options.heightInLines = 5;
    }
    void TearDown() override { destroyStickum(content); }

    WPostIt* make(PostIt* record = nullptr) {
        content = newStickum(options, session, record ? record : &note);
        frame = content->frame();
        return content;
    }
    StickumEdit* edit() const { return content->edit(); }
    void type(const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, c.isLetter() ? Qt::Key_A : Qt::Key_Space,
                            Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(edit(), &press);
        }
    }
    void typeEnter() { QTest::keyClick(edit(), Qt::Key_Return); }
    void goToEnd() { QTest::keyClick(edit(), Qt::Key_End, Qt::ControlModifier); }

    Options options;
    StickumSession session;
    Note note;
    WPostIt* content = nullptr;
    SmallFrame* frame = nullptr;
};

int screenWidth() {
    return QGuiApplication::primaryScreen()->geometry().width();
}

void send(QWidget* to, QEvent::Type type, QPoint global) {
    QMouseEvent event(type, QPointF(to->mapFromGlobal(global)), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(to, &event);
}

} // namespace

TEST_F(StickumTest, FixedStickumKeepsItsBuiltSize) {
    make();
    EXPECT_EQ(WPostItTestPeer::lineHeight(*content), 16);
    EXPECT_EQ(frame->size(), QSize(screenWidth() / 8, 82));
    EXPECT_EQ(content->geometry(), QRect(0, 11, screenWidth() / 8, 71));
    EXPECT_EQ(frame->titleBar()->geometry(), QRect(0, 0, screenWidth() / 8, 12));
    EXPECT_EQ(frame->pos(), QPoint(0, 0));
    EXPECT_FALSE(frame->isVisible());

    // The buttons are laid out from the caption's width less one, then from every new width.
    const int w = frame->width();
    const MiniTitleBar* bar = frame->titleBar();
    EXPECT_EQ(bar->button(MiniTitleBar::Close)->geometry(), QRect(w - 11, 1, 10, 10));
    frame->resizeKeepingTopLeft(w, 90);
    EXPECT_EQ(bar->button(MiniTitleBar::Close)->geometry(), QRect(w - 10, 1, 10, 10));
    EXPECT_EQ(bar->button(MiniTitleBar::RollUp)->geometry(), QRect(w - 22, 1, 10, 10));
    EXPECT_EQ(content->height(), 79);
    frame->resizeKeepingTopLeft(w, 82);

    frame->placeAt(40, 60);
    frame->showStickum();
    content->setContent("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven");
    EXPECT_EQ(frame->size(), QSize(w, 82));
    EXPECT_EQ(frame->pos(), QPoint(40, 60));
    EXPECT_EQ(frame->frameX(), 40);
    EXPECT_EQ(frame->frameY(), 60);
}

TEST_F(StickumTest, MinimumStickumGrowsWithItsTextKeepingTheTopLeft) {
    options.dimensionMode = DimensionMinimum;
    make();
    EXPECT_EQ(content->height(), 18); // one empty line
    EXPECT_EQ(frame->height(), 29);
    frame->placeAt(120, 90);
    content->setContent("a\r\nb\r\nc");
    frame->showStickum();
    EXPECT_EQ(content->height(), 50);
    EXPECT_EQ(frame->height(), 61);
    goToEnd();
    typeEnter();
    EXPECT_EQ(content->height(), 66);
    EXPECT_EQ(frame->height(), 77);
    EXPECT_EQ(frame->pos(), QPoint(120, 90));
    // Grown, it shows its first line whole, as a fresh one does.
    EXPECT_EQ(edit()->verticalScrollBar()->value(), 0);
    QTest::keyClick(edit(), Qt::Key_Backspace);
    EXPECT_EQ(frame->height(), 61);
    // A long line wraps, and the wrapped lines count.
    type(QString(3 * screenWidth() / 8 / 4, u'm'));
    EXPECT_GT(frame->height(), 77);
    EXPECT_EQ(content->height() + 11, frame->height());
}

TEST_F(StickumTest, RollingUpAndBackRestoresTheExactSize) {
    make();
    frame->showStickum();
    const QSize contentSize = content->size();
    const int width = frame->width();
    frame->titleBar()->button(MiniTitleBar::RollUp)->click();
    EXPECT_TRUE(frame->rolledUp());
    EXPECT_EQ(frame->size(), QSize(width, 12));
    EXPECT_EQ(content->height(), 0);
    frame->titleBar()->button(MiniTitleBar::RollUp)->click();
    EXPECT_FALSE(frame->rolledUp());
    EXPECT_EQ(content->size(), contentSize);
    EXPECT_EQ(content->pos(), QPoint(0, 11));
    EXPECT_EQ(frame->size(), QSize(width, 82));
    EXPECT_EQ(frame->titleBar()->button(MiniTitleBar::RollUp)->pictureId(), PictureRollUp);
}

TEST_F(StickumTest, RolledUpCaptionIsTheStartOfTheText) {
    make();
    content->setContent("milk\r\neggs");
    frame->showStickum();
    frame->titleBar()->button(MiniTitleBar::RollUp)->click();
    EXPECT_EQ(MiniTitleBarTestPeer::caption(*frame->titleBar()), QStringLiteral("milk  eggs"));
    frame->titleBar()->button(MiniTitleBar::RollUp)->click();
    EXPECT_EQ(MiniTitleBarTestPeer::caption(*frame->titleBar()), QStringLiteral("Stickum"));

    content->setContent(std::string(60, 'x'));
    frame->hideStickum();
    EXPECT_EQ(SmallFrameTestPeer::summary(*frame), QString(39, u'x'));

    // Text typed since the Stickum was shown shows too.
    frame->showStickum();
    goToEnd();
    QTest::keyClick(edit(), Qt::Key_Home, Qt::ControlModifier);
    type(QStringLiteral("new "));
    frame->titleBar()->button(MiniTitleBar::RollUp)->click();
    EXPECT_EQ(MiniTitleBarTestPeer::caption(*frame->titleBar()),
              QStringLiteral("new ") + QString(35, u'x'));
}

TEST_F(StickumTest, CloseHidesAndDisarmsButKeepsTheText) {
    note.setText("keep me");
    note.setActive(true);
    make();
    content->setContent(note.displayText());
    frame->showStickum();
    frame->titleBar()->button(MiniTitleBar::Close)->click();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(note.active());
    EXPECT_EQ(note.text(), "keep me");
    EXPECT_EQ(content->getContent(), "keep me");
}

TEST_F(StickumTest, ReadOnlyStickumScrollsAndSelectsButDoesNotChange) {
    Prestito lending;
    lending.setPerson("Ann");
    lending.setText("book");
    make(&lending);
    std::string text = lending.displayText();
    for (int i = 0; i < 12; ++i)
        text += "\r\nline";
    content->setContent(text);
    content->setEditable(lending.editable());
    frame->showStickum();
    type(QStringLiteral("xyz"));
    QTest::keyClick(edit(), Qt::Key_Return);
    QTest::keyClick(edit(), Qt::Key_Delete);
    EXPECT_EQ(content->getContent(), text);
    goToEnd();
    EXPECT_GT(edit()->verticalScrollBar()->value(), 0);
    QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(edit()->textCursor().hasSelection());
}

TEST_F(StickumTest, TextStopsAt255Bytes) {
    make();
    frame->showStickum();
    content->setContent(std::string(253, 'a'));
    goToEnd();
    type(QStringLiteral("bcd"));
    EXPECT_EQ(content->getContent(), std::string(253, 'a') + "bc");
    QTest::keyClick(edit(), Qt::Key_Backspace);
    typeEnter(); // a line break is stored as two bytes and no longer fits
    type(QString(QChar(0x00E9)));
    EXPECT_EQ(content->getContent(), std::string(253, 'a') + "b");
    type(QStringLiteral("z"));
    EXPECT_EQ(content->getContent().size(), 255u);

    // Pasting takes what fits; replacing a selection makes room.
    content->setContent("start");
    goToEnd();
    QGuiApplication::clipboard()->setText(QString(300, u'p'));
    edit()->paste();
    EXPECT_EQ(content->getContent(), "start" + std::string(250, 'p'));
    QTest::keyClick(edit(), Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("new"));
    EXPECT_EQ(content->getContent(), "new");
}

TEST_F(StickumTest, PastedLinesEndedByCarriageReturnsStillStopAt255Bytes) {
    make();
    frame->showStickum();
    content->setContent("start");
    goToEnd();
    QString lines;
    for (int i = 0; i < 60; ++i)
        lines += QStringLiteral("line\r");
    QGuiApplication::clipboard()->setText(lines);
    edit()->paste();
    EXPECT_LE(storedSize(edit()->toPlainText()), 255u) << "all of it is kept";
}

TEST_F(StickumTest, ContentKeepsLineBreaksAndCutsOnCharacters) {
    make();
    content->setContent("one\r\ntwo");
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(content->getContent(), "one\r\ntwo");
    EXPECT_EQ(content->getContent(5), "one\r");
    content->setContent("caf\xd0\xb6");
    EXPECT_EQ(content->getContent(5), "caf");
    // What fits only in the earliest versions' single-byte encoding is kept whole in it.
    content->setContent("caf\xc3\xa9");
    EXPECT_EQ(content->getContent(5), "caf\xe9");
    content->setContent("caf\xe9"); // an old single-byte text
    EXPECT_EQ(edit()->toPlainText(), QStringLiteral("caf\u00e9"));
}

TEST_F(StickumTest, ScrollBarShowsOnlyWhenTheLinesNoLongerFit) {
    options.scrollBar = true;
    make();
    frame->showStickum();
    content->setContent("1\r\n2\r\n3\r\n4");
    EXPECT_FALSE(content->scrollBarShown());
    goToEnd();
    typeEnter();
    EXPECT_TRUE(content->scrollBarShown());
    QTest::keyClick(edit(), Qt::Key_Backspace);
    EXPECT_FALSE(content->scrollBarShown());
    EXPECT_EQ(frame->height(), 82);
}

TEST_F(StickumTest, TypingPastTheLastLineScrollsByWholeLines) {
    make();
    frame->showStickum();
    content->setContent("1");
    goToEnd();
    for (int line = 2; line <= 9; ++line) {
        typeEnter();
        type(QString::number(line));
        EXPECT_EQ(edit()->verticalScrollBar()->value() % WPostItTestPeer::lineHeight(*content), 0)
            << line;
    }
    EXPECT_GT(edit()->verticalScrollBar()->value(), 0);
}

TEST_F(StickumTest, NoScrollBarWhenTheOptionIsOff) {
    make();
    frame->showStickum();
    content->setContent("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
    EXPECT_FALSE(content->scrollBarShown());
}

TEST_F(StickumTest, DraggingTheFrameMovesTheStickum) {
    make();
    frame->placeAt(100, 100);
    frame->showStickum();
    send(frame, QEvent::MouseButtonPress, QPoint(150, 140));
    send(frame, QEvent::MouseMove, QPoint(170, 135));
    send(frame, QEvent::MouseButtonRelease, QPoint(170, 135));
    EXPECT_EQ(frame->pos(), QPoint(120, 95));
    send(frame->titleBar(), QEvent::MouseButtonPress, QPoint(125, 100));
    send(frame->titleBar(), QEvent::MouseMove, QPoint(120, 110));
    send(frame->titleBar(), QEvent::MouseButtonRelease, QPoint(120, 110));
    EXPECT_EQ(frame->pos(), QPoint(115, 105));
    EXPECT_EQ(frame->size(), QSize(screenWidth() / 8, 82));
}

TEST_F(StickumTest, OwnerHidingAndShowingTakesTheStickumAlong) {
    make();
    frame->showStickum();
    frame->ownerHidden();
    EXPECT_FALSE(frame->isVisible());
    frame->ownerShown();
    EXPECT_TRUE(frame->isVisible());

    // Hidden by Quillbox: the owner coming back does not bring it back.
    frame->hideStickum();
    frame->ownerShown();
    EXPECT_FALSE(frame->isVisible());

    // Display switched off while the owner was away.
    frame->showStickum();
    frame->ownerHidden();
    session.suppressed = true;
    frame->ownerShown();
    EXPECT_FALSE(frame->isVisible());
    session.suppressed = false;
    frame->ownerShown();
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(StickumTest, PinnedStickumHangsUnderItsOwnerWindowAndIsNotTopmost) {
    QWidget owner;
    owner.winId();
    make();
    frame->setOwnerWindow(owner.windowHandle());
    EXPECT_EQ(frame->windowHandle()->transientParent(), owner.windowHandle());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(frame->windowType(), Qt::Tool);
    EXPECT_TRUE(frame->windowFlags() & Qt::FramelessWindowHint);
    frame->showStickum();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->size(), QSize(screenWidth() / 8, 82));
    // Placed again (a free Stickum once more): topmost.
    frame->placeAt(5, 6);
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->pos(), QPoint(5, 6));
}

TEST_F(StickumTest, DesktopColourChangeTurnsTheTitleBarToTheNewCaptionColour) {
    options.titleBarColor = rgb(0, 128, 0);
    make();
    frame->showStickum();
    MiniTitleBar* bar = frame->titleBar();
    bar->grab();
    const int right = bar->captionImage().width() - 1;
    EXPECT_EQ(QColor(bar->captionImage().pixel(right, 5)), QColor(0, 128, 0));
    const QPalette before = QApplication::palette();
    QPalette changed = before;
    changed.setColor(QPalette::Active, QPalette::Highlight, QColor(200, 10, 20));
    QApplication::setPalette(changed);
    QCoreApplication::processEvents();
    bar->grab();
    EXPECT_EQ(QColor(bar->captionImage().pixel(right, 5)), QColor(200, 10, 20));
    QApplication::setPalette(before);
}

TEST_F(StickumTest, OwnedStickumIsAToolWindowOfItsOwner) {
    QWidget owner;
    content = newStickum(options, session, &note, &owner);
    frame = content->frame();
    EXPECT_TRUE(frame->isWindow());
    EXPECT_EQ(frame->windowType(), Qt::Tool);
    EXPECT_TRUE(frame->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(frame->parentWidget(), &owner);
    destroyStickum(content);
    content = nullptr;
    EXPECT_TRUE(owner.children().isEmpty());
}
