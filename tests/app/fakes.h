#pragma once

#include "app/myapp.h"
#include "app/trayicon.h"
#include "fakemessageboxes.h"
#include "notefiles.h"
#include "stickumhands.h"

#include "stickum/smallframe.h"
#include "stickum/stickumedit.h"
#include "stickum/wpostit.h"
#include "storage/datafile.h"

#include <QDir>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A tray that remembers what it shows.
class FakeTray : public TrayIcon {
public:
    explicit FakeTray(bool available) : available_(available) {}

    bool available() const override { return available_; }
    void add(int pictureId, const QString& tipText) override {
        added = true;
        picture = pictureId;
        tip = tipText;
    }
    void setPicture(int pictureId) override { picture = pictureId; }
    void setTip(const QString& text) override { tip = text; }
    void remove() override { added = false; }
    bool showNote(const QString&, const QString& text) override {
        notes << text;
        return available_;
    }

    // A tray comes up (or goes) while the program runs.
    void setAvailable(bool available) { available_ = available; }
    void pressLeft() { emit leftButtonPressed(); }
    void pressRight() { emit rightButtonPressed(); }
    // The menu opens; "Start at login" is chosen in it.
    void openMenu() { emit menuOpening(); }
    void chooseStartAtLogin(bool on) { emit startAtLoginChosen(on); }
    void setStartAtLogin(bool on) override { startsAtLogin = on; }

    bool added = false;
    int picture = 0;
    QString tip;
    QStringList notes;          // shown in the tray's balloon
    bool startsAtLogin = false; // the menu's "Start at login" ticked

private:
    bool available_;
};

// Quillbox in the test's own process, with a tray that is there, the test's message boxes and
// no splash to wait for; initMainWindow() starts it from the data file in the directory.
inline std::unique_ptr<MyApp> quillboxInProcess(const QString& dataDirectory, MessageBoxes& boxes) {
    StartOptions options;
    options.dataDirectory = dataDirectory;
    options.messages = &boxes;
    options.makeTray = [] { return std::make_unique<FakeTray>(true); };
    options.splashMs = 1;
    return std::make_unique<MyApp>(std::move(options));
}

// Writes the data file at the path with these active notes, each kept at its place.
inline bool writeNotes(const std::string& path,
                       const std::vector<std::pair<std::string, QPoint>>& notes) {
    PostItHolder holder;
    for (const auto& [text, place] : notes)
        addNote(holder, text, place.x(), place.y());
    return DataFile(path).save(holder, Options::initial({})).ok();
}

// Writes a data file into the directory with one active note whose Stickum stands at the place:
// Quillbox then starts in the tray with that Stickum on the desktop.
inline bool writeOneNote(const QString& directory, const std::string& text, QPoint place) {
    const QString path = QDir(directory).filePath(QStringLiteral("quillbox.dat"));
    return writeNotes(path.toStdString(), {{text, place}});
}
