#pragma once

#include "model/date.h"
#include "pages/pagedialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class Prestito;
class Stepper;
class WListWindow;

// The "Lendings" page: what the user has lent or borrowed. The "Give back" tab lists what I
// owe, "Have back" what others owe me; the form below the list edits one lending (the current
// one) or prepares a new one.
class PrestitiDialog : public PageDialog {
    Q_OBJECT
public:
    explicit PrestitiDialog(DialogHost& host, QWidget* parent = nullptr);
    ~PrestitiDialog() override;

    // Stores the form into the current lending (the page is being left).
    void CommitLending();

    // Fills the list and the names again (the page is being entered).
    void RefreshLendings();

    // Marks the armed lendings that are overdue as due, the others as hidden.
    void CheckDue();

private:
    friend struct PrestitiDialogTestPeer;

    void fitLabels();
    void fitDateRow();
    void nameControls();
    void connectControls();

    void tabChanged(int index);
    void fillRows();
    void insertRow(int ordinal);
    void addName(const QString& name);
    // The open list of names is as wide as its longest name.
    void fitNameList();
    void clearForm();
    void loadForm(int ordinal);
    void storeForm(int ordinal);
    void showDate(const DayMonthYear& date, bool blank);
    bool dateStep(bool accepted);
    static QString dateText(Date date);
    void setDayRange(int month, int year);
    Date formDate() const;
    QString personText() const;
    void updateButtons();

    void rowSelected(int row);
    void addLending();
    void removeLending();
    void newLending();
    void soundClicked();
    void toggleArmed(int row);
    bool yearStep(int value, int step);
    bool monthStep(int value, int step);
    bool dayStep(int value, int step);
    bool afterStep(int value, int step);

    Prestito* lending(int ordinal) const;

    QTabWidget* tabs_ = nullptr;
    WListWindow* list_ = nullptr;
    QLabel* leftLabel_ = nullptr;
    QComboBox* person_ = nullptr;
    QLabel* rightLabel_ = nullptr;
    QPlainTextEdit* object_ = nullptr;
    Stepper* day_ = nullptr;
    Stepper* month_ = nullptr;
    Stepper* year_ = nullptr;
    Stepper* after_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QPushButton* new_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    // The texts the form showed when it loaded the current lending.
    QString loadedObject_;
    QString loadedPerson_;

    int current_ = -1;
    bool direction_ = true;
    bool quietList_ = false; // the page itself is changing the rows
};
