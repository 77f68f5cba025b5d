#include "stickum/smallframe.h"

#include "look/gradient.h"
#include "look/l10n.h"
#include "look/recordtext.h"
#include "look/stickumlook.h"
#include "model/catalogue.h"
#include "model/postit.h"
#include "model/text.h"
#include "platform/nativewindow.h"
#include "stickum/stickum.h"
#include "stickum/stickumedit.h"
#include "stickum/windowaccessible.h"
#include "stickum/wpostit.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWindow>

#include <algorithm>

namespace {

// The first frame painted in a run lays itself out once more.
bool firstPaintLayout = true;

constexpr Qt::WindowFlags kFrameFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;

} // namespace

SmallFrame::SmallFrame(const Options& options, PostIt* record, WPostIt* content, QWidget* owner)
    : QWidget(owner, kFrameFlags), options_(options), record_(record), content_(content),
      summary_(l10n::text(msg::StickumTitle)), title_(summary_),
      titleBar_(new MiniTitleBar(this, title_, kTitleHeight, kTitleBorder)) {
    installWindowAccessibility();
    setWindowTitle(title_);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleDescription(tr("Alt+Up rolls up, Alt+Down unrolls, Ctrl+W closes, F6 goes to "
                                "the next Stickum, Ctrl+Tab to the buttons"));
    addShortcuts();
    desktopCaption_ = desktop::activeCaption(palette());
    titleBar_->setColors(true, rgb(0, 0, 0), options.titleBarColor);
    connect(titleBar_, &MiniTitleBar::rollRequested, this, [this](bool up) { roll(up); });
    connect(titleBar_, &MiniTitleBar::dragged, this, &SmallFrame::movedByUser);
    titleBar_->installEventFilter(this);
    if (content_) {
        content_->setParent(this);
        content_->move(0, 0);
        content_->edit()->setAccessibleName(tr("Stickum text"));
        connect(content_->edit(), &QTextEdit::textChanged, this, &SmallFrame::nameAfterText);
    }
    nameAfterText();
}

void SmallFrame::addShortcuts() {
    const auto add = [this](QShortcut* shortcut, auto action) {
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(new QShortcut(Qt::ALT | Qt::Key_Up, this), [this] { rollTo(true); });
    add(new QShortcut(Qt::ALT | Qt::Key_Down, this), [this] { rollTo(false); });
    // Ctrl+W and Ctrl+F4, as the desktop has them.
    add(new QShortcut(QKeySequence::Close, this), [this] {
        if (QAbstractButton* close = titleBar_->button(MiniTitleBar::Close)) close->click();
    });
    add(new QShortcut(Qt::Key_F6, this), [this] { focusStickum(this, 1); });
    add(new QShortcut(Qt::SHIFT | Qt::Key_F6, this), [this] { focusStickum(this, -1); });
}

void SmallFrame::nameAfterText() {
    const QString text = content_ ? content_->edit()->toPlainText() : QString();
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    setAccessibleName(firstLine.isEmpty() ? title_ : firstLine);
}

void SmallFrame::setUp() {
    move(0, 0);
    if (content_) {
        content_->setUp();
        content_->show();
        resizeKeepingTopLeft(content_->width(), content_->height());
    }
    titleBar_->raise();
    titleBar_->show();
    titleBar_->setButtons(MiniTitleBar::Close | MiniTitleBar::RollUp);
    // Ctrl+Tab leads from the text to Roll up, then to Close.
    QWidget* rollUp = titleBar_->button(MiniTitleBar::RollUp);
    QWidget* close = titleBar_->button(MiniTitleBar::Close);
    if (content_ && rollUp && close) {
        setTabOrder(content_->edit(), rollUp);
        setTabOrder(rollUp, close);
    }
}

void SmallFrame::rollTo(bool up) {
    if (up == rolledUp_) return;
    if (QAbstractButton* button = titleBar_->button(MiniTitleBar::RollUp)) button->click();
}

std::vector<SmallFrame*> SmallFrame::onShow() {
    std::vector<SmallFrame*> shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* frame = qobject_cast<SmallFrame*>(window); frame && frame->onScreen())
            shown.push_back(frame);
    std::sort(shown.begin(), shown.end(), [](const SmallFrame* a, const SmallFrame* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return shown;
}

bool SmallFrame::focusStickum(const SmallFrame* from, int step) {
    const std::vector<SmallFrame*> shown = onShow();
    const int count = static_cast<int>(shown.size());
    if (count == 0) return false;
    const auto at = std::find(shown.begin(), shown.end(), from);
    int next = step > 0 ? 0 : count - 1;
    if (at != shown.end())
        next = ((static_cast<int>(at - shown.begin()) + step) % count + count) % count;
    shown[static_cast<std::size_t>(next)]->takeKeys();
    return true;
}

void SmallFrame::takeKeys() {
    raise();
    activateWindow();
    QWidget* keys = content_ ? static_cast<QWidget*>(content_->edit()) : nullptr;
    if (rolledUp_ || !keys) keys = titleBar_->button(MiniTitleBar::RollUp);
    if (keys) keys->setFocus(Qt::OtherFocusReason);
}

void SmallFrame::setCaption(const QString& text, CaptionSlot slot) {
    (slot == Summary ? summary_ : title_) = cutToBytes(text, kSummaryBytes);
    titleBar_->setCaption(rolledUp_ ? summary_ : title_);
    titleBar_->update();
}

bool SmallFrame::roll(bool up) {
    if (!content_) return false;
    rolledUp_ = up;
    // Rolled up, the text takes no keys: they stay on the button that unrolls it.
    const bool textHadKeys = content_->isAncestorOf(QApplication::focusWidget());
    content_->setEnabled(!up);
    if (up && textHadKeys)
        if (QWidget* unroll = titleBar_->button(MiniTitleBar::RollUp)) unroll->setFocus();
    QAccessible::State changed;
    changed.expanded = true;
    changed.collapsed = true;
    QAccessibleStateChangeEvent rolled(this, changed);
    QAccessible::updateAccessibility(&rolled);
    if (up) {
        // The caption shows the text as it stands now, edits since the last show included.
        if (content_) summary_ = cutToBytes(content_->summaryText(), kSummaryBytes);
        titleBar_->setCaption(summary_);
        rolledWidth_ = content_->width();
        rolledHeight_ = content_->height();
        resizeKeepingTopLeft(width(), kTitleHeight);
        placeContent(QRect(0, kTitleHeight, content_->width(), 0));
    } else {
        titleBar_->setCaption(title_);
        resizeKeepingTopLeft(width(), kTitleHeight + rolledHeight_ - 1);
        placeContent(QRect(0, kContentTop, rolledWidth_, rolledHeight_));
        content_->fitToText();
    }
    update();
    return true;
}

void SmallFrame::layout() {
    const int w = width();
    const int h = height();
    if (w > 10000 || h > 10000 || w < -100 || h < -100) return;
    if (isMinimized() || w <= 0 || h <= 0) return;
    if (rolledUp_) {
        resize(layoutWidth_, kTitleHeight);
        if (content_) placeContent(QRect(content_->x(), kTitleHeight, 0, 0));
        titleBar_->setGeometry(0, 0, layoutWidth_, kTitleHeight);
        return;
    }
    if (layoutHeight_ == -1 && content_) layoutHeight_ = content_->height();
    layoutWidth_ = w;
    resize(layoutWidth_, layoutHeight_ + kContentTop);
    if (content_) {
        placeContent(QRect(0, kContentTop, layoutWidth_, layoutHeight_));
        layoutHeight_ = content_->height();
    }
    titleBar_->setGeometry(0, 0, layoutWidth_, kTitleHeight);
}

void SmallFrame::placeContent(const QRect& rect) {
    content_->setGeometry(rect);
    content_->layoutEdit();
}

void SmallFrame::handleResize(const QSize& size) {
    if (size.width() <= 0 || size.height() <= 0) return;
    // The content window fills the frame, its border just outside: its inside is the frame's
    // height, of which the title bar takes all but one row.
    const int h = size.height();
    const bool plain = !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    if (plain && h >= 0 && h < 2000) layoutHeight_ = h - kContentTop;
    layout();
    titleBar_->setWidth(width());
}

void SmallFrame::resizeKeepingTopLeft(int width, int height) {
    // Qt sends its idea of the position with the new size: it must be where the frame stands
    // (a press on a title bar button, or a refit, comes without a drag that would refresh it).
    syncPosition();
    resize(width, height);
    handleResize(QSize(width, height));
}

void SmallFrame::syncPosition() {
    // The window manager may have placed the window after Qt last heard of its position; a
    // move from a stale position would go astray and a saved position would be wrong.
    asked_.reset();
    const auto native = nativeTopLeft(this);
    if (native && *native != pos()) move(*native);
}

void SmallFrame::placeAt(int x, int y) {
    syncPosition();
    asked_.reset();
    if (!(windowFlags() & Qt::WindowStaysOnTopHint)) {
        const bool shown = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (shown) show();
    }
    move(x, y);
}

void SmallFrame::moveTo(QPoint topLeft) {
    asked_.reset();
    move(topLeft);
}

void SmallFrame::showStickum() {
    hiddenByOwner_ = false;
    hiddenByQuillbox_ = false;
    show();
}

void SmallFrame::hideStickum() {
    hiddenByOwner_ = false;
    hiddenByQuillbox_ = true;
    hide();
}

void SmallFrame::setOwnerWindow(QWindow* owner) {
    const bool shown = isVisible();
    if (parentWidget() || (windowFlags() & Qt::WindowStaysOnTopHint)) {
        // A parent widget would take the owner's place at the next show.
        setParent(nullptr, kFrameFlags & ~Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    winId(); // the native window, to hang under the owner
    if (QWindow* window = windowHandle()) window->setTransientParent(owner);
    if (shown) show();
}

void SmallFrame::ownerHidden() {
    refreshSummary();
    // The window manager may have taken it away with its owner already: it is still the
    // owner's doing, and it comes back with the owner.
    if (hiddenByQuillbox_) return;
    hide();
    hiddenByOwner_ = true;
}

void SmallFrame::ownerShown() {
    if (stickumsSuppressed()) return;
    refreshSummary();
    if (!hiddenByOwner_ || hiddenByQuillbox_) return;
    hiddenByOwner_ = false;
    // Shown normal again, whatever the window manager did to it with its owner.
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
}

bool SmallFrame::onScreen() const {
    return isVisible() && !isMinimized() && !hiddenByOwner_;
}

QPoint SmallFrame::screenTopLeft() const {
    const unsigned long turn = eventLoopTurn();
    if (!asked_ || turn == 0 || turn != askedTurn_) {
        asked_ = nativeTopLeft(this);
        askedTurn_ = turn;
    }
    return asked_ ? *asked_ : frameGeometry().topLeft();
}

void SmallFrame::askPositions(const std::vector<SmallFrame*>& frames, AfterAsking after) {
    const unsigned long turn = eventLoopTurn();
    if (turn == 0) return;
    const std::vector<const QWidget*> windows(frames.begin(), frames.end());
    const std::vector<std::optional<QPoint>> places = nativeTopLefts(windows, after);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (!places[i]) continue;
        frames[i]->asked_ = places[i];
        frames[i]->askedTurn_ = turn;
    }
}

int SmallFrame::frameX() const {
    return screenTopLeft().x();
}

int SmallFrame::frameY() const {
    return screenTopLeft().y();
}

void SmallFrame::refreshSummary() {
    if (content_) setCaption(content_->summaryText(), Summary);
}

void SmallFrame::paintEvent(QPaintEvent*) {
    if (firstPaintLayout && width() < 10000) {
        layout();
        firstPaintLayout = false;
    }
    QPainter p(this);
    p.fillRect(rect(), toQColor(options_.stickumColor));
}

void SmallFrame::resizeEvent(QResizeEvent* event) {
    handleResize(event->size());
}

void SmallFrame::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) keepOutOfTaskBar(this);
    refreshSummary();
    if (event->spontaneous() || stickumsSuppressed() || !content_) return;
    if (width() > 0 && height() > 0) content_->fitToText();
    content_->applyScrollBarRule();
}

void SmallFrame::hideEvent(QHideEvent*) {
    refreshSummary();
}

void SmallFrame::closeEvent(QCloseEvent* event) {
    if (record_) record_->setActive(false);
    hiddenByOwner_ = false;
    hiddenByQuillbox_ = true;
    event->accept(); // hidden, not destroyed: the holder destroys it later
}

void SmallFrame::moveEvent(QMoveEvent* event) {
    asked_.reset();
    QWidget::moveEvent(event);
}

void SmallFrame::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::ThemeChange:
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange: {
        // The desktop's colours changed: the title bar takes up the new caption colour.
        const QColor caption = desktop::activeCaption(palette());
        if (caption == desktopCaption_) break;
        desktopCaption_ = caption;
        titleBar_->setColors(true, rgb(0, 0, 0), toColorRef(caption));
        layout();
        break;
    }
    case QEvent::ActivationChange:
        titleBar_->update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

bool SmallFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == titleBar_ && event->type() == QEvent::MouseButtonPress) syncPosition();
    return QWidget::eventFilter(watched, event);
}

void SmallFrame::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    syncPosition();
    titleBar_->dragPress(event->globalPosition().toPoint());
}

void SmallFrame::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    titleBar_->dragMove(event->globalPosition().toPoint());
}

void SmallFrame::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) titleBar_->dragRelease();
}
