#include "app/myframe.h"

#include "app/mydialog.h"
#include "desktop/pointerscreen.h"
#include "look/images.h"
#include "look/l10n.h"
#include "look/messages.h"
#include "model/catalogue.h"
#include "process/desktopentry.h"
#include "resources/dialogs.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace {

struct DecorationRow {
    int picture;
    int x;
    int y;
};

// The pictures laid over the active caption, in order.
constexpr DecorationRow kDecorations[] = {
    {kCaptionDecorationQuill, 85, -4},
    {kCaptionDecorationClip, 150, -4},
    {kCaptionDecorationQuill, 240, -4},
};

} // namespace

MyFrame::MyFrame(MyDialog* dialog, MessageBoxes& messages)
    : TGradFrame(l10n::text(msg::ProgramName), dialog), dialog_(dialog), messages_(messages) {}

void MyFrame::showEvent(QShowEvent* event) {
    // A start into the tray never shows the frame: its icon and pictures wait for the first show.
    if (!dressed_) {
        dressed_ = true;
        setWindowIcon(Images::icon(kProgramIcon));
        for (const DecorationRow& row : kDecorations)
            addDecoration(row.picture, row.x, row.y);
    }
    TGradFrame::showEvent(event);
}

void MyFrame::setUp() {
    startsMinimised_ = isMinimized();
    resetCaption();
    centreOnPointerScreen(this);
}

void MyFrame::closeEvent(QCloseEvent* event) {
    if (closing_) return event->accept();
    const Answer answer = messages_.showMessage(this, l10n::text(msg::QuitQuestion),
                                                l10n::text(msg::ProgramName), box::Quit);
    if (answer != Answer::Yes || !dialog_->mayClose()) return event->ignore();
    closing_ = true;
    dialog_->shutdown();
    event->accept();
    emit quitAccepted();
}

void MyFrame::changeEvent(QEvent* event) {
    TGradFrame::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimised = change->oldState() & Qt::WindowMinimized;
    if (dialog_->switchingWindow() || minimisingAgain_) return;
    if (startsMinimised_ && wasMinimised && !isMinimized()) {
        // The first map undid the start's minimising: the start stays collapsed.
        startsMinimised_ = false;
        QTimer::singleShot(0, this, [this] {
            minimisingAgain_ = true;
            setWindowState(windowState() | Qt::WindowMinimized);
            minimisingAgain_ = false;
        });
        return;
    }
    startsMinimised_ = false;
    if (isMinimized() && !wasMinimised) {
        // Minimising collapses instead, once the window manager is done with the request. The
        // frame hidden in the tray keeps its minimised state: taking it away now would map the
        // frame again; the restore shows it normal.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) dialog_->collapse();
        });
    } else if (wasMinimised && !isMinimized() && isVisible()) {
        // Collapsed without a tray, un-minimising is the way back (also when a tray has come
        // up since).
        dialog_->restore();
    }
}

void MyFrame::contextMenuEvent(QContextMenuEvent* event) {
    if (dialog_->trayAvailable()) return event->ignore();
    // Without a tray the display switch lives in the caption's menu.
    QMenu menu(this);
    QAction* display = menu.addAction(l10n::text(msg::MenuDisplayStickums));
    display->setCheckable(true);
    display->setChecked(dialog_->displayOn());
    connect(display, &QAction::toggled, dialog_, &MyDialog::setDisplayOn);
    QAction* startAtLogin = menu.addAction(l10n::text(msg::MenuStartAtLogin));
    startAtLogin->setCheckable(true);
    startAtLogin->setChecked(Autostart::on());
    connect(startAtLogin, &QAction::toggled, dialog_, &MyDialog::setStartAtLogin);
    menu.exec(event->globalPos());
}
