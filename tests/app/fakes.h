#pragma once

#include "app/myapp.h"
#include "app/trayicon.h"
#include "pages/messages.h"

#include "stickum/stickumedit.h"
#include "stickum/wpostit.h"

#include <QString>
#include <QTextDocument>
#include <QWidget>

#include <deque>
#include <memory>
#include <vector>

// Message boxes answered by the test: each box takes the next queued answer (Ok for boxes with
// only an OK button, No when nothing is queued for a question).
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QWidget* owner;
        QString text;
        QString caption;
        BoxStyle style;
    };

    Answer showMessage(QWidget* owner, const QString& text, const QString& caption,
                       BoxStyle style) override {
        shown.push_back({owner, text, caption, style});
        if (style.buttons == BoxButtons::Ok) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
};

// A tray that remembers what it shows.
class FakeTray : public TrayIcon {
public:
    explicit FakeTray(bool available) : available_(available) {}

    bool available() const override { return available_; }
    void add(int pictureId, const QString& tip) override {
        added = true;
        picture = pictureId;
        this->tip = tip;
    }
    void setPicture(int pictureId) override { picture = pictureId; }
    void setTip(const QString& text) override { tip = text; }
    void remove() override { added = false; }

    // A tray comes up (or goes) while the program runs.
    void setAvailable(bool available) { available_ = available; }
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
