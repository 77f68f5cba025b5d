#pragma once

#include "model/date.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

class PostIt;

// The user's language. Quillbox is written in English; a catalogue built into the program
// (translations/quillbox_<language>.ts, compiled by lrelease) gives each other language it speaks.
// Texts of the model's catalogue (model/catalogue.h) and of the dialog tables (resources/) are
// plain strings marked for lupdate; the layer that shows one translates it with l10n::text.
// Classes translate their own texts with tr(). Dates take the month and day names and the order
// of the language's locale; English keeps its own forms ("January 5th 1998", "01/05/1998").
namespace l10n {

// The translation context of the texts that text() translates.
inline constexpr const char* kContext = "msg";

// The languages Quillbox speaks besides English, as their catalogues are named ("de").
QStringList languages();

// Reads one environment variable: its value, empty when unset.
using Environment = std::function<QString(const char* name)>;
QString processEnvironment(const char* name);

// The language the session asks for, chosen as gettext chooses: the first of LANGUAGE's list
// (unless the locale is C or POSIX) that Quillbox speaks, else the locale's language, from
// LC_ALL, LC_MESSAGES and LANG in that order. English ("") when that is English or a language
// Quillbox does not speak. Qt's own settings play no part.
QString sessionLanguage(const Environment& environment = processEnvironment);

// Speaks the language from now on ("" is English): loads its catalogue, and Qt's own for the
// toolkit's standard texts where it is installed, for text() at once and for tr() in the
// application, now or when it starts.
void speak(const QString& language);
// The language spoken: "" for English.
QString language();
// The locale of the language spoken (English: the United States').
QLocale locale();

// A marked text in the language spoken; the text itself where there is no translation.
QString text(const char* source);
// The same in another language Quillbox speaks.
QString textIn(const QString& language, const char* source);

// The name of month 1..12, of weekday 1..7 (Monday first, short), as the pages show them.
QString monthName(int month);
QString weekDayName(int day);
// A date in numbers ("01/05/1998", "05.01.1998") and in words ("January 5th 1998",
// "5. Januar 1998"); "no date" and its translations for a record without one.
QString numericDate(Date date);
QString dateInWords(Date date);
// The text a record's Stickum shows, as PostIt::displayText gives it in English.
QString displayText(const PostIt& record);

} // namespace l10n
