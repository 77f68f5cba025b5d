#pragma once

#include "stickum/gradfrm.h"

class MessageBoxes;
class MyDialog;

// The main window: the gradient-caption frame around the main dialog. Closing it asks the quit
// question; minimising it collapses the program into the tray.
class MyFrame : public TGradFrame {
    Q_OBJECT
public:
    MyFrame(MyDialog* dialog, MessageBoxes& messages);

    // Once shown for the first time: fresh caption pictures, then centred on the screen.
    void setUp();

signals:
    // The user answered Yes and everything is saved: the program may end.
    void quitAccepted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    MyDialog* dialog_;
    MessageBoxes& messages_;
    bool closing_ = false;
    // Started minimised (no tray): the window manager may map the window normal all the same,
    // which is not the user coming back.
    bool startsMinimised_ = false;
    bool minimisingAgain_ = false;
    bool dressed_ = false; // the icon and the caption's pictures are set
};
