#pragma once

#include "pages/pagedialog.h"
#include "pages/pinpointer.h"

#include <string>

class IconList;
class Note;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The "Notes" page: the list of notes by title, the text of the note clicked in it, writing,
// changing and removing notes, switching a note's Stickum on and off from its icon, and pinning
// the note being edited to another program's window.
class NotesDialog : public PageDialog {
    Q_OBJECT
public:
    // Characters of a title in the list and of a window title in the target label.
    static constexpr int kTitleCharacters = 39;
    static constexpr int kLabelCharacters = 63;

    explicit NotesDialog(DialogHost& host, QWidget* parent = nullptr);
    ~NotesDialog() override;

    // Keeps a changed text of the note being edited, then rebuilds the list of note titles from
    // the records; nothing is edited afterwards.
    void RefreshNotes();
    // A note added from outside the page (the command line) joins the list; what is being
    // typed stays.
    void noteAddedElsewhere();

    // The title a note is listed by: its text up to the first line break, at most 39
    // characters.
    static QString titleOf(const std::string& text);

    // The end of the gesture with a press at this point of the screen: the window there, once
    // confirmed, becomes the current note's target.
    void endPinPointing(QPoint screenPoint);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct NotesDialogTestPeer;

    void newNote();
    void addNote();
    void removeNote();
    void storeEditedText();
    void selectRow(int row);
    void toggleRow(int row);
    void startPinPointing();
    // Ends the gesture without a target once it can no longer get its press.
    void cancelPinPointing();
    // Enables the buttons by their rules; called after every change of the page's state.
    void updateButtons();
    void showEditText(const std::string& text);
    // The target label shows the title of the window the note is pinned to, now.
    void showTargetOf(const Note* note);
    // The edit's text as a note keeps it: "\r\n" line breaks, at most 255 bytes.
    std::string editText() const;
    Note* note(int ordinal) const;

    IconList* list_;
    QPlainTextEdit* edit_;
    QLabel* target_;
    QPushButton* refresh_;
    QPushButton* pin_;
    QPushButton* new_;
    QPushButton* add_;
    QPushButton* remove_;
    PinPointer pinPointer_;
    int noteCount_ = 0;
    int current_ = -1;
    // The note whose target the label shows, while it is in the list.
    const Note* labelled_ = nullptr;
};
