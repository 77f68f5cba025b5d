#pragma once

#include <QString>

class QWidget;

// The buttons and icon of a message box.
enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Exclamation, Stop, Information };
enum class Answer { Ok, Yes, No };

struct BoxStyle {
    BoxButtons buttons;
    BoxIcon icon;
    // The button that Enter presses in a Yes/No box.
    Answer defaultAnswer = Answer::Yes;
    bool operator==(const BoxStyle&) const = default;
};

// The styles the program uses.
namespace box {
inline constexpr BoxStyle Capacity{BoxButtons::Ok, BoxIcon::None};          // "ERROR": list full
inline constexpr BoxStyle Removal{BoxButtons::YesNo, BoxIcon::Exclamation}; // "WARNING"
inline constexpr BoxStyle Quit{BoxButtons::YesNo, BoxIcon::Stop};           // the quit question
inline constexpr BoxStyle OldFile{BoxButtons::YesNo, BoxIcon::Exclamation}; // old file layout
inline constexpr BoxStyle Failure{BoxButtons::Ok, BoxIcon::Stop};           // the file failed
inline constexpr BoxStyle Notice{BoxButtons::Ok, BoxIcon::Exclamation};     // damaged file
// Unsaved at quit: a reflexive Enter stays rather than throwing the changes away.
inline constexpr BoxStyle StayOrQuit{BoxButtons::YesNo, BoxIcon::Stop, Answer::No};
inline constexpr BoxStyle PinQuestion{BoxButtons::YesNo, BoxIcon::Information}; // pin a note?
inline constexpr BoxStyle PinNotice{BoxButtons::Ok, BoxIcon::Information}; // pinning unavailable
inline constexpr BoxStyle Rescue{BoxButtons::YesNo, BoxIcon::Exclamation}; // take a rescue copy?
} // namespace box

// Every message box of the program goes through here, so tests can answer them. Texts may
// contain "\r\n" line breaks.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box; owner may be nullptr (no owner window). Returns the button pressed.
    virtual Answer showMessage(QWidget* owner, const QString& text, const QString& caption,
                               BoxStyle style) = 0;
};
