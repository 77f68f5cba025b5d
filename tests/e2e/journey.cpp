#include "journey.h"

using namespace xdesk;

QPoint Journey::inMain(QPoint offset) const {
    return main_.topLeft() + offset;
}

::testing::AssertionResult Journey::mainWindowShown() {
    std::optional<Window> shown;
    if (!waitFor([&] { return (shown = mainWindow()).has_value(); }))
        return ::testing::AssertionFailure() << "the main window did not show";
    main_ = shown->geometry;
    if (main_.size() != mainLayout().frameSize)
        return ::testing::AssertionFailure()
               << "the main window is " << main_.width() << "x" << main_.height()
               << ", the probe's " << mainLayout().frameSize.width() << "x"
               << mainLayout().frameSize.height();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Journey::mainWindowGone() {
    if (!waitFor([] { return !mainWindow(); }))
        return ::testing::AssertionFailure() << "the main window stayed on show";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Journey::stickumsShown(std::size_t count) {
    std::size_t seen = 0;
    if (!waitFor([&] { return (seen = stickums().size()) == count; }))
        return ::testing::AssertionFailure()
               << seen << " Stickums on show where " << count << " were expected";
    return ::testing::AssertionSuccess();
}

void Journey::clickTab(int index) {
    click(inMain(mainLayout().tabs[static_cast<std::size_t>(index)]));
}

void Journey::addNote(const QString& text) {
    click(inMain(mainLayout().noteEdit));
    type(text);
    click(inMain(mainLayout().addButton));
}

void Journey::collapse() {
    click(inMain(mainLayout().collapseButton));
}

QPoint Journey::trayCentre() const {
    // Listing the windows can miss one that changes meanwhile: look again rather than press
    // on the bare desktop.
    std::optional<Window> icon;
    waitFor([&] { return (icon = trayIcon()).has_value(); });
    return icon ? icon->geometry.center() : QPoint();
}

void Journey::trayClick(int button) {
    const QPoint centre = trayCentre();
    if (centre.isNull()) {
        ADD_FAILURE() << "no tray icon to click";
        return;
    }
    click(centre, button);
}

bool Journey::trayShowsCross() {
    const auto icon = trayIcon();
    if (!icon) return false;
    return countRed(screenshot(), icon->geometry) > 10;
}

std::optional<Window> Journey::trayTip() {
    // Away first, so that resting on the icon again brings a fresh tip.
    const auto shownTip = [] {
        std::optional<Window> tip;
        for (const Window& w : programWindows())
            if (w.isTooltip()) tip = w;
        return tip;
    };
    hover(QPoint(5, 5));
    waitFor([&] { return !shownTip(); });
    hover(trayCentre());
    std::optional<Window> tip;
    waitFor([&] { return (tip = shownTip()).has_value(); });
    return tip;
}

::testing::AssertionResult Journey::answerBox(const QString& caption, const char* keys) {
    std::optional<Window> box;
    if (!waitFor([&] { return (box = dialogNamed(caption)).has_value(); }))
        return ::testing::AssertionFailure() << "no box \"" << caption.toStdString() << "\"";
    activate(box->id);
    key(QString::fromUtf8(keys));
    if (!waitFor([&] {
            const auto still = dialogNamed(caption);
            return !still || still->id != box->id;
        }))
        return ::testing::AssertionFailure()
               << "the box \"" << caption.toStdString() << "\" stayed after " << keys;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Journey::answerFontChooser() {
    std::optional<Window> chooser;
    if (!waitFor([&] { return (chooser = dialogNamed(QStringLiteral("Font"))).has_value(); }))
        return ::testing::AssertionFailure() << "no font chooser";
    activate(chooser->id);
    key(QStringLiteral("alt+s"));
    key(QStringLiteral("ctrl+a"));
    type(QStringLiteral("20"));
    // OK stands left of Cancel at the chooser's bottom right.
    const QRect r = chooser->geometry;
    click(QPoint(r.right() - 138, r.bottom() - 28));
    if (!waitFor([&] { return !dialogNamed(QStringLiteral("Font")); }))
        return ::testing::AssertionFailure() << "the font chooser stays";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Journey::quitFromMainWindow() {
    click(inMain(mainLayout().closeButton));
    if (auto answered = answerBox(QStringLiteral("Quillbox"), "Return"); !answered) return answered;
    const auto status = waitForExit(run->process());
    if (!status) return ::testing::AssertionFailure() << "the program did not end after Yes";
    if (*status != 0) return ::testing::AssertionFailure() << "exit status " << *status;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Journey::quitFromTray() {
    trayClick(3);
    if (auto shown = mainWindowShown(); !shown) return shown;
    return quitFromMainWindow();
}
