#include "model/postit.h"

#include "model/formats.h"
#include "model/text.h"

void PostIt::setText(std::string_view text) {
    text_ = cutToBytes(text, kTextBytes);
}

void PostIt::write(FieldWriter& out) const {
    out.string(text_);
    out.i16(static_cast<std::int16_t>(displayState_));
    out.flag(active_);
}

void PostIt::read(FieldReader& in) {
    text_ = in.string(kTextBytes);
    displayState_ = static_cast<DisplayState>(in.i16());
    active_ = in.flag();
}

Prestito::Prestito() : PostIt(Hidden) {}

void Prestito::setPerson(std::string_view person) {
    person_ = cutToBytes(person, kPersonBytes);
}

std::string Prestito::displayText() const {
    return iOwe_ ? formatIOwe(date_, person_, text()) : formatOwesMe(date_, person_, text());
}

// The armed flag is written a second time after the day count; the reader keeps that copy.
void Prestito::write(FieldWriter& out) const {
    PostIt::write(out);
    out.date(date_);
    out.i16(daysAfter_);
    out.flag(active());
    out.flag(sound_);
    out.flag(iOwe_);
    out.string(person_);
}

void Prestito::read(FieldReader& in) {
    PostIt::read(in);
    date_ = in.date();
    daysAfter_ = in.i16();
    setActive(in.flag());
    sound_ = in.flag();
    iOwe_ = in.flag();
    person_ = in.string(kPersonBytes);
    setDisplayState(Hidden);
}

Appointement::Appointement() : PostIt(Hidden) {}

std::string Appointement::displayText() const {
    return formatReminder(date_, text());
}

void Appointement::write(FieldWriter& out) const {
    PostIt::write(out);
    out.date(date_);
    out.i16(daysBefore_);
    out.flag(active());
    out.flag(sound_);
}

void Appointement::read(FieldReader& in) {
    PostIt::read(in);
    date_ = in.date();
    daysBefore_ = in.i16();
    setActive(in.flag());
    sound_ = in.flag();
    setDisplayState(Hidden);
}
