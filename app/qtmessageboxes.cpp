#include "app/qtmessageboxes.h"

#include <QMessageBox>

namespace {

// The boxes' buttons, as Qt words them: our catalogues translate them too, so that a box is in
// one language where Qt's own translations are not installed.
[[maybe_unused]] constexpr const char* kButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
};

} // namespace

Answer QtMessageBoxes::showMessage(QWidget* owner, const QString& text, const QString& caption,
                                   BoxStyle style) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (style.icon == BoxIcon::Exclamation) icon = QMessageBox::Warning;
    if (style.icon == BoxIcon::Stop) icon = QMessageBox::Critical;
    if (style.icon == BoxIcon::Information) icon = QMessageBox::Information;
    const bool yesNo = style.buttons == BoxButtons::YesNo;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(icon, caption, shown,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    // A box of a program that lives in the tray has no window of ours to stand in front of:
    // keep it above the other applications' windows so that it is seen and answered.
    if (!owner) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (yesNo) {
        box.setDefaultButton(style.defaultAnswer == Answer::No ? QMessageBox::No
                                                               : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    const int pressed = box.exec();
    if (!yesNo) return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
