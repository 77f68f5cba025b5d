#include "layoutprobe.h"

#include "app/mydialog.h"
#include "app/myframe.h"
#include "fakes.h"
#include "pages/iconlist.h"
#include "pages/notesdialog.h"
#include "pages/optiondialog.h"
#include "platform/nullwindowsystem.h"
#include "resources/dialog_notes.h"
#include "resources/dialog_options.h"
#include "resources/dialogs.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The probe's own main window, kept (hidden) for drawing controls the way the program does.
struct Probe {
    QTemporaryDir dir;
    FakeMessageBoxes messages;
    MyDialog* dialog = nullptr;
    std::unique_ptr<MyFrame> frame;
    MainLayout layout;

    Probe() {
        DesktopParts desktop;
        desktop.windows = std::make_unique<NullWindowSystem>();
        desktop.openWave = [](const std::string&) { return std::unique_ptr<WavePlayer>(); };
        auto built = std::make_unique<MyDialog>(messages, std::make_unique<FakeTray>(true),
                                                dir.filePath(QStringLiteral("quillbox.dat")),
                                                PlatformDefaults{}, std::move(desktop));
        dialog = built.get();
        frame = std::make_unique<MyFrame>(built.release(), messages);
        dialog->setUp();
        frame->setUp();
        frame->show();
        (void)QTest::qWaitForWindowExposed(frame.get());
        measure();
        frame->hide();
    }

    QPoint centre(const QWidget* widget) const {
        return widget->mapTo(frame.get(), widget->rect().center());
    }
    QRect rectOf(const QWidget* widget) const {
        return QRect(widget->mapTo(frame.get(), QPoint(0, 0)), widget->size());
    }

    void measure() {
        MainLayout& l = layout;
        l.frameSize = frame->size();
        QTabBar* bar = dialog->findChild<QTabWidget*>()->tabBar();
        for (int i = 0; i < MyDialog::kPageCount; ++i)
            l.tabs[i] = bar->mapTo(frame.get(), bar->tabRect(i).center());
        l.collapseButton = centre(dialog->item(kCollapseButton));
        l.closeButton = centre(dialog->item(kCloseButton));
        // Every page fills the same place of the tab control; their controls can be measured
        // whichever page is on show.
        dialog->findChild<QTabWidget*>()->setCurrentIndex(0);
        NotesDialog* notes = dialog->findChild<NotesDialog*>();
        l.noteEdit = centre(notes->item(noteid::NoteEdit));
        l.addButton = centre(notes->item(noteid::AddButton));
        l.newButton = centre(notes->item(noteid::NewButton));
        l.pinButton = centre(notes->item(noteid::PinButton));
        const QWidget* viewport = notes->itemAs<IconList>(noteid::NoteList)->viewport();
        l.noteList = rectOf(viewport);
        l.noteRowHeight = notes->itemAs<IconList>(noteid::NoteList)->rowHeight();
        l.targetLabel = rectOf(notes->itemAs<QLabel>(noteid::TargetLabel));
        dialog->findChild<QTabWidget*>()->setCurrentIndex(3);
        OptionDialog* options = dialog->findChild<OptionDialog*>();
        l.colorButton = centre(options->item(optionid::ColorButton));
        l.fontButton = centre(options->item(optionid::FontButton));
        l.minimumRadio =
            options->item(optionid::MinimumRadio)
                ->mapTo(frame.get(),
                        QPoint(6, options->item(optionid::MinimumRadio)->height() / 2));
        dialog->findChild<QTabWidget*>()->setCurrentIndex(0);
    }
};

Probe& probe() {
    // Never destroyed: it would outlive the application object it was made with.
    static Probe* instance = new Probe;
    return *instance;
}

} // namespace

QPoint MainLayout::noteRow(int row) const {
    return noteList.topLeft() +
           QPoint(IconList::kIconColumn + 20, row * noteRowHeight + noteRowHeight / 2);
}

const MainLayout& mainLayout() {
    return probe().layout;
}

QImage targetLabelPicture(const QString& text) {
    QLabel* label = probe().dialog->findChild<NotesDialog*>()->itemAs<QLabel>(noteid::TargetLabel);
    label->setText(text);
    return label->grab().toImage().convertToFormat(QImage::Format_RGB32);
}
