#pragma once

#include "app/myapp.h"
#include "app/trayicon.h"
#include "fakemessageboxes.h"

#include "stickum/stickumedit.h"
#include "stickum/wpostit.h"

#include <QString>
#include <QTextDocument>
#include <QWidget>

#include <deque>
#include <memory>
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

    void pressLeft() { emit leftButtonPressed(); }
    void pressRight() { emit rightButtonPressed(); }

    bool added = false;
    int picture = 0;
    QString tip;

private:
    bool available_;
};

// The user types the text into a Stickum (as far as Quillbox can tell: the edit changed).
inline void userTypes(WPostIt* content, const std::string& text) {
    content->setContent(text);
    content->edit()->document()->setModified(true);
}

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
