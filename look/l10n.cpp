#include "look/l10n.h"

#include "look/recordtext.h"
#include "model/catalogue.h"
#include "model/formats.h"
#include "model/postit.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

namespace {

// The forms of dates that each language writes in its own way, as QDate formats: the numeric
// one and the one in words (English has its own, with ordinals no format gives).
//: A date in numbers, as a QDate format: dd the day, MM the month, yyyy the year.
const char* const kNumericDate = QT_TRANSLATE_NOOP("msg", "MM/dd/yyyy");
//: A date in words in the alerts, as a QDate format: d the day, MMMM the month's name, yyyy the
//: year.
const char* const kDateInWords = QT_TRANSLATE_NOOP("msg", "MMMM d yyyy");
// The alerts of lendings and reminders: the person, the date in words, the object.
const char* const kIOwe = QT_TRANSLATE_NOOP("msg", "%1:\r\n it's since %2 I owe him:\r\n%3");
const char* const kOwesMe = QT_TRANSLATE_NOOP("msg", "%1:\r\n it's since %2 he owes me:\r\n%3");

// The catalogues in use. They are the process's, as Qt's own list of translators is.
struct Catalogues {
    QString language;
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> toolkit;

    void attach() const {
        if (!QCoreApplication::instance()) return;
        for (QTranslator* t : {own.get(), toolkit.get()})
            if (t) QCoreApplication::installTranslator(t);
    }
};

Catalogues& catalogues() {
    static Catalogues inUse;
    return inUse;
}

// A locale name ("de_DE.UTF-8@euro") without its encoding and modifier ("de_DE").
QString withoutEncoding(const QString& name) {
    return name.left(name.indexOf(QRegularExpression(QStringLiteral("[.@]")))).trimmed();
}

bool isCLocale(const QString& name) {
    const QString plain = withoutEncoding(name);
    return plain.isEmpty() || plain == QLatin1String("C") || plain == QLatin1String("POSIX");
}

// The language of one entry ("de_AT" → "de") when Quillbox speaks it or it is English ("en").
QString spokenLanguage(const QString& entry) {
    const QString language = withoutEncoding(entry).section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("en") || l10n::languages().contains(language)) return language;
    return {};
}

// Registered with every application: the catalogues chosen before it started.
void attachToApplication() {
    catalogues().attach();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(attachToApplication)

namespace l10n {

QStringList languages() {
    // The catalogues built in: quillbox_<language>.qm.
    QStringList spoken;
    const QDir catalogues(QStringLiteral(":/translations"));
    for (const QString& name : catalogues.entryList({QStringLiteral("quillbox_*.qm")}))
        spoken << name.mid(9).chopped(3);
    return spoken;
}

QString processEnvironment(const char* name) {
    return qEnvironmentVariable(name);
}

QString sessionLanguage(const Environment& environment) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty()) break;
    }
    if (isCLocale(locale)) return {};
    QStringList wanted = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString& entry : wanted) {
        const QString language = spokenLanguage(entry);
        if (language == QLatin1String("en")) return {};
        if (!language.isEmpty()) return language;
    }
    return {};
}

void speak(const QString& language) {
    Catalogues& inUse = catalogues();
    inUse = Catalogues{};
    if (language.isEmpty()) return;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(QStringLiteral(":/translations/quillbox_%1.qm").arg(language))) return;
    inUse.language = language;
    inUse.own = std::move(own);
    // Qt's own texts (the buttons of the file chooser, the edits' menu) where Debian's Qt
    // translations are installed.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_%1").arg(language),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        inUse.toolkit = std::move(toolkit);
    inUse.attach();
}

QString language() {
    return catalogues().language;
}

QLocale locale() {
    const QString spoken = language();
    return spoken.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(spoken);
}

QString text(const char* source) {
    if (const QTranslator* own = catalogues().own.get()) {
        const QString translated = own->translate(kContext, source);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(source);
}

QString textIn(const QString& language, const char* source) {
    QTranslator catalogue;
    if (catalogue.load(QStringLiteral(":/translations/quillbox_%1.qm").arg(language))) {
        const QString translated = catalogue.translate(kContext, source);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(source);
}

QString monthName(int month) {
    if (language().isEmpty()) return QString::fromUtf8(msg::monthName(month));
    return month >= 1 && month <= 12 ? locale().standaloneMonthName(month) : QString();
}

QString weekDayName(int day) {
    if (language().isEmpty())
        return QString::fromUtf8(day >= 1 && day <= 7 ? msg::WeekDays[day - 1] : "");
    return locale().standaloneDayName(day, QLocale::ShortFormat);
}

QString numericDate(Date date) {
    if (date == kNoDate) return text(msg::NoDate);
    if (language().isEmpty()) return QString::fromStdString(formatNumericDate(date));
    return locale().toString(QDate::fromJulianDay(date), text(kNumericDate));
}

QString dateInWords(Date date) {
    if (language().isEmpty()) return QString::fromStdString(formatDateInWords(date));
    return locale().toString(QDate::fromJulianDay(date), text(kDateInWords));
}

QString displayText(const PostIt& record) {
    if (language().isEmpty() || record.kind() == KindNote) return toEditText(record.displayText());
    const QString what = toEditText(record.text());
    if (record.kind() == KindReminder) {
        const Date date = static_cast<const Appointement&>(record).date();
        const QString when = date == kNoDate ? text(msg::ReminderUndated) : dateInWords(date);
        return withEditLineBreaks(QStringLiteral("%1:\r\n%2").arg(when, what));
    }
    const auto& lending = static_cast<const Prestito&>(record);
    const QString person = toEditText(lending.person());
    if (lending.date() == kNoDate)
        return withEditLineBreaks(
            QStringLiteral("%1:\r\n%2:\r\n%3")
                .arg(person, text(lending.iOwe() ? msg::IOweUndated : msg::OwesMeUndated), what));
    return withEditLineBreaks(
        text(lending.iOwe() ? kIOwe : kOwesMe).arg(person, dateInWords(lending.date()), what));
}

} // namespace l10n
