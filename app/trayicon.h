#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

// The program's one icon in the desktop's tray: a picture and a tip, and the two mouse buttons
// pressed on it. Tests put a fake in its place.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    // Tips longer than this are cut.
    static constexpr int kMaxTip = 63;

    ~TrayIcon() override = default;

    // Whether the desktop has a tray to show the icon in.
    virtual bool available() const = 0;
    // Puts the icon (a picture id) with its tip into the tray.
    virtual void add(int pictureId, const QString& tip) = 0;
    virtual void setPicture(int pictureId) = 0;
    virtual void setTip(const QString& tip) = 0;
    // Takes the icon out of the tray.
    virtual void remove() = 0;
    // Shows a short message beside the icon (the tray's balloon), which takes no focus; false
    // when the tray cannot.
    virtual bool showNote(const QString& title, const QString& text) {
        (void)title;
        (void)text;
        return false;
    }
    // Whether the menu shows the Stickums as on display.
    virtual void setDisplayOn(bool) {}
    // Whether the menu shows Quillbox as starting at login.
    virtual void setStartAtLogin(bool) {}

signals:
    void leftButtonPressed();
    void rightButtonPressed();
    // The icon's menu: bring back the main window, switch the Stickums on or off, make a new
    // note, quit.
    void showWindowChosen();
    void displayChosen(bool on);
    void newNoteChosen();
    void startAtLoginChosen(bool on);
    void quitChosen();
    // The menu is about to show: its check marks are brought up to date.
    void menuOpening();
};

// The tray icon of the desktop, through Qt. Where the desktop shows tray icons through its
// StatusNotifier service, the menu is the icon's own (the desktop opens it, with the right
// button as a rule); in an embedding tray the right button brings the window back, so the
// middle button opens the menu there.
class QtTrayIcon : public TrayIcon {
    Q_OBJECT
public:
    QtTrayIcon();
    ~QtTrayIcon() override;

    bool available() const override;
    void add(int pictureId, const QString& tip) override;
    void setPicture(int pictureId) override;
    void setTip(const QString& tip) override;
    void remove() override;
    bool showNote(const QString& title, const QString& text) override;
    void setDisplayOn(bool on) override;
    void setStartAtLogin(bool on) override;

private:
    friend struct QtTrayIconTestPeer;

    std::unique_ptr<QMenu> menu_;
    QAction* display_ = nullptr;
    QAction* startAtLogin_ = nullptr;
    std::unique_ptr<QSystemTrayIcon> icon_;
};
