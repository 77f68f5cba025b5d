#pragma once

#include "pages/choosers.h"
#include "pages/pagedialog.h"

#include <cstdint>
#include <memory>

class OptionStepEdit;
class QAbstractButton;
class QLabel;
class QLineEdit;
class QPalette;
class SampleMiniTitleBar;

// The "Options" page: the look of Stickums, default day counts and sound, the wave file.
// Every change takes effect in the options at once; "Save all" writes the data file now.
class OptionDialog : public PageDialog {
    Q_OBJECT
public:
    // Built before the data file's options are read: the controls show them from setUpPage().
    explicit OptionDialog(DialogHost& host, QWidget* parent = nullptr);
    ~OptionDialog() override;

    // The choosers to open from now on (tests answer them); Qt's dialogs otherwise.
    void setChoosers(Choosers& choosers) { choosers_ = &choosers; }

    // Puts the options into the controls, once. Runs by itself when the page joins the main
    // dialog or is first shown, whichever comes first.
    void setUpPage();

    // What the options read from the data file become, whether the page is built or not:
    // "Modifiable" is taken as "Fixed", and a title bar that follows the desktop takes the
    // desktop's caption colour from the palette. True when that changed the look of Stickums.
    static bool settleOptions(Options& options, const QPalette& palette);

    // The page is being left: what was typed into a field that still has the focus is taken
    // as when the field is left.
    void CommitOptions();

    // The main dialog is back on the screen, or the desktop's colours changed: the title bar
    // colour follows a changed desktop caption colour while "Default Windows col." is ticked.
    void RefreshOptions();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend struct OptionDialogTestPeer;

    Options& options() const;
    QAbstractButton* button(int id) const;
    void connectControls();
    void wrapTallTexts();
    void fitTitleBarRow();
    void fitSample();
    void updateEnabling();
    void applyToSample();
    void redrawTitleBar();
    QColor systemCaption() const;

    void chooseStickumColor();
    void chooseFont();
    void captionColorBox();
    void chooseTitleBarColor();
    void dimensionClicked(int mode);
    bool daysStep(std::int16_t& option, int value);
    void daysTyped(OptionStepEdit* edit, std::int16_t& option);
    bool heightStep(int value);
    void heightTyped();
    void applyWaveFile();
    void chooseWaveFile();

    std::unique_ptr<QtChoosers> qtChoosers_;
    Choosers* choosers_ = nullptr;
    // Each colour chooser has its own custom colours, kept for the run.
    CustomColors stickumColors_{};
    CustomColors titleBarColors_{};
    SampleMiniTitleBar* titleBar_ = nullptr;
    QLabel* sample_ = nullptr;
    OptionStepEdit* reminderDays_ = nullptr;
    OptionStepEdit* lendingDays_ = nullptr;
    OptionStepEdit* height_ = nullptr;
    QLineEdit* waveEdit_ = nullptr;
    bool setUp_ = false;
};
