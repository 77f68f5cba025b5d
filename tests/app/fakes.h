#pragma once

#include "app/myapp.h"
#include "app/trayicon.h"
#include "pages/messages.h"

#include "stickum/stickumedit.h"
#include "stickum/wpostit.h"
#include "storage/datafile.h"

#include <QDir>
#include <QPoint>
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

// Writes a data file into the directory with one active note whose Stickum stands at the place:
// Quillbox then starts in the tray with that Stickum on the desktop.
inline bool writeOneNote(const QString& directory, const std::string& text, QPoint place) {
    PostItHolder holder;
    auto note = std::make_unique<Note>();
    note->setText(text);
    note->setActive(true);
    Note* added = note.get();
    holder.addNote(std::move(note));
    holder.attach(std::make_unique<PostItAttr>(), added);
    holder.attrOf(added)->x = static_cast<std::int16_t>(place.x());
    holder.attrOf(added)->y = static_cast<std::int16_t>(place.y());
    const QString path = QDir(directory).filePath(QStringLiteral("quillbox.dat"));
    return DataFile(path.toStdString()).save(holder, Options{}).ok;
}
