#include "process/exporter.h"

#include "look/gradient.h"
#include "look/l10n.h"
#include "model/formats.h"
#include "model/text.h"
#include "storage/atomic_file.h"
#include "storage/datafile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString shown(const std::string& bytes) {
    QString text = QString::fromStdString(displayUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// For the terminal: control characters (escape sequences above all) as \xNN, line breaks and
// tabs as they are.
QString plain(const std::string& bytes) {
    const QString text = shown(bytes);
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool control =
            (code < 0x20 && code != u'\n' && code != u'\t') || (code >= 0x7F && code <= 0x9F);
        if (control)
            out += QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QJsonValue isoDate(Date date) {
    if (date == kNoDate) return QJsonValue::Null;
    const DayMonthYear day = splitDate(date);
    return QStringLiteral("%1-%2-%3")
        .arg(day.year, 4, 10, QLatin1Char('0'))
        .arg(day.month, 2, 10, QLatin1Char('0'))
        .arg(day.day, 2, 10, QLatin1Char('0'));
}

QString textHeading(const PostIt& record) {
    switch (record.kind()) {
    case KindLending: {
        const auto& lending = static_cast<const Prestito&>(record);
        const QString person = plain(lending.person());
        const QString date = QString::fromStdString(formatNumericDate(lending.date()));
        QString heading = lending.iOwe() ? QStringLiteral("Lending: I owe %1 since %2")
                                         : QStringLiteral("Lending: %1 owes me since %2");
        heading = heading.arg(person, date);
        if (lending.active())
            heading += QStringLiteral(" (alert after %1 days)").arg(lending.daysAfter());
        return heading;
    }
    case KindReminder: {
        const auto& reminder = static_cast<const Appointement&>(record);
        QString heading = QStringLiteral("Reminder: %1")
                              .arg(QString::fromStdString(formatDateInWords(reminder.date())));
        if (reminder.active())
            heading += QStringLiteral(" (alert %1 days before)").arg(reminder.daysBefore());
        return heading;
    }
    default:
        return record.active() ? QStringLiteral("Note") : QStringLiteral("Note (Stickum off)");
    }
}

QJsonObject recordObject(int index, const PostIt& record, const PostItAttr* attr) {
    QJsonObject object{{QStringLiteral("index"), index},
                       {QStringLiteral("text"), shown(record.text())},
                       {QStringLiteral("active"), record.active()},
                       {QStringLiteral("displayState"), record.displayState()}};
    if (attr) {
        object.insert(QStringLiteral("x"), attr->x);
        object.insert(QStringLiteral("y"), attr->y);
    }
    if (record.kind() == KindLending) {
        const auto& lending = static_cast<const Prestito&>(record);
        object.insert(QStringLiteral("person"), shown(lending.person()));
        object.insert(QStringLiteral("date"), isoDate(lending.date()));
        object.insert(QStringLiteral("daysAfter"), lending.daysAfter());
        object.insert(QStringLiteral("iOwe"), lending.iOwe());
        object.insert(QStringLiteral("sound"), lending.sound());
    } else if (record.kind() == KindReminder) {
        const auto& reminder = static_cast<const Appointement&>(record);
        object.insert(QStringLiteral("date"), isoDate(reminder.date()));
        object.insert(QStringLiteral("daysBefore"), reminder.daysBefore());
        object.insert(QStringLiteral("sound"), reminder.sound());
    }
    return object;
}

QJsonValue fontObject(const std::optional<LogFont>& font) {
    if (!font) return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("face"), QString::fromStdString(displayUtf8(font->face()))},
                       {QStringLiteral("height"), font->height},
                       {QStringLiteral("width"), font->width},
                       {QStringLiteral("escapement"), font->escapement},
                       {QStringLiteral("orientation"), font->orientation},
                       {QStringLiteral("weight"), font->weight},
                       {QStringLiteral("italic"), font->italic},
                       {QStringLiteral("underline"), font->underline},
                       {QStringLiteral("strikeOut"), font->strikeOut},
                       {QStringLiteral("charSet"), font->charSet},
                       {QStringLiteral("outPrecision"), font->outPrecision},
                       {QStringLiteral("clipPrecision"), font->clipPrecision},
                       {QStringLiteral("quality"), font->quality},
                       {QStringLiteral("pitchAndFamily"), font->pitchAndFamily}};
}

QJsonObject optionsObject(const Options& options) {
    return {{QStringLiteral("stickumColor"), toQColor(options.stickumColor).name()},
            {QStringLiteral("textColor"), toQColor(options.textColor).name()},
            {QStringLiteral("stickumFont"), fontObject(options.stickumFont)},
            {QStringLiteral("titleBarColor"), toQColor(options.titleBarColor).name()},
            {QStringLiteral("defaultCaptionColor"), options.defaultCaptionColor},
            {QStringLiteral("dimensionMode"), options.dimensionMode},
            {QStringLiteral("scrollBar"), options.scrollBar},
            {QStringLiteral("heightInLines"), options.heightInLines},
            {QStringLiteral("reminderDaysBefore"), options.reminderDaysBefore},
            {QStringLiteral("lendingDaysAfter"), options.lendingDaysAfter},
            {QStringLiteral("defaultSound"), options.defaultSound},
            {QStringLiteral("waveFile"), QString::fromStdString(displayUtf8(options.waveFile))}};
}

// Old-layout files are read without asking: nothing is written back.
class ReadAnyway : public OldFileQuestions {
public:
    bool continueReadingOldFile() override { return true; }
    void oldFileFailed(const std::string& message) override { failure = message; }
    std::string failure;
};

} // namespace

QByteArray exportText(const PostItHolder& holder) {
    QString out;
    for (int i = 0; i < holder.count(); ++i) {
        const PostIt* record = holder.recordAt(i);
        if (!record) continue;
        if (!out.isEmpty()) out += u'\n';
        out += textHeading(*record) + u'\n' + plain(record->text()) + u'\n';
    }
    return out.toUtf8();
}

QByteArray exportJson(const PostItHolder& holder, const Options& options,
                      const QStringList& defaults, int version) {
    QJsonArray notes;
    QJsonArray lendings;
    QJsonArray reminders;
    for (int i = 0; i < holder.count(); ++i) {
        const PostIt* record = holder.recordAt(i);
        if (!record) continue;
        const QJsonObject object = recordObject(i, *record, holder.attrAt(i));
        if (record->kind() == KindLending)
            lendings.append(object);
        else if (record->kind() == KindReminder)
            reminders.append(object);
        else
            notes.append(object);
    }
    const QJsonObject all{{QStringLiteral("version"), version},
                          {QStringLiteral("notes"), notes},
                          {QStringLiteral("lendings"), lendings},
                          {QStringLiteral("reminders"), reminders},
                          {QStringLiteral("options"), optionsObject(options)},
                          {QStringLiteral("defaults"), QJsonArray::fromStringList(defaults)}};
    return QJsonDocument(all).toJson(QJsonDocument::Indented);
}

ExportResult exportDataFile(const QString& dataPath, bool json, const PlatformDefaults& desktop) {
    ExportResult result;
    std::vector<std::uint8_t> bytes;
    const ReadReport read = readWholeFile(dataPath.toStdString(), bytes);
    if (read.outcome != ReadOutcome::Read) {
        result.status = 1;
        const QString reason = QString::fromStdString(read.reason);
        result.problem =
            read.outcome == ReadOutcome::Missing
                ? l10n::text(QT_TRANSLATE_NOOP("msg", "There is no data file at %1.")).arg(dataPath)
            : read.outcome == ReadOutcome::NotRegular
                ? QStringLiteral("%1 is %2, not a regular file.").arg(dataPath, reason)
                : QStringLiteral("%1 cannot be read (%2).").arg(dataPath, reason);
        return result;
    }
    PostItHolder holder;
    Options options = Options::initial(desktop);
    DataFile file(dataPath.toStdString());
    ReadAnyway questions;
    std::vector<std::uint8_t> copy = bytes;
    const LoadResult loaded = file.loadFromBytes(std::move(bytes), holder, questions);
    if (loaded.status == LoadStatus::OldFileFailed) {
        result.status = 1;
        result.problem = QString::fromStdString(questions.failure);
        return result;
    }
    const bool optionsRead = file.readOptions(options);
    if (loaded.status == LoadStatus::Damaged || !optionsRead) {
        // What could be read is still given; the status says it is not everything.
        result.status = 1;
        result.problem =
            QStringLiteral("%1 is damaged (%2); what comes before the damage is exported.")
                .arg(dataPath, loaded.status == LoadStatus::Damaged
                                   ? QString::fromStdString(loaded.problem)
                                   : QStringLiteral("the options could not be read"));
    }
    if (!json) {
        result.output = exportText(holder);
        return result;
    }
    // The options the file left unsettled are those a second reading, over other values, does
    // not bring to the same value.
    Options other = options;
    other.stickumColor ^= 1;
    other.textColor ^= 1;
    other.stickumFont = options.stickumFont ? std::nullopt : std::optional(LogFont::defaultFont());
    other.titleBarColor ^= 1;
    other.defaultCaptionColor = !options.defaultCaptionColor;
    other.dimensionMode =
        options.dimensionMode == DimensionFixed ? DimensionMinimum : DimensionFixed;
    other.scrollBar = !options.scrollBar;
    other.heightInLines = static_cast<std::int16_t>(options.heightInLines == 1 ? 2 : 1);
    other.reminderDaysBefore = static_cast<std::int16_t>(options.reminderDaysBefore == 0 ? 1 : 0);
    other.lendingDaysAfter = static_cast<std::int16_t>(options.lendingDaysAfter == 0 ? 1 : 0);
    other.defaultSound = !options.defaultSound;
    other.waveFile += "~";
    DataFile again(dataPath.toStdString());
    PostItHolder scratch;
    (void)again.loadFromBytes(std::move(copy), scratch, questions);
    again.readOptions(other);
    // The title bar takes the desktop's caption colour while the option says so: a default
    // whatever the file holds (the other reading is given another colour to tell it apart).
    if (options.defaultCaptionColor) options.titleBarColor = desktop.activeCaptionColor;
    if (other.defaultCaptionColor) other.titleBarColor = desktop.activeCaptionColor ^ 1;
    const QJsonObject mine = optionsObject(options);
    const QJsonObject theirs = optionsObject(other);
    QStringList defaults;
    for (auto it = mine.begin(); it != mine.end(); ++it)
        if (it.value() != theirs.value(it.key())) defaults << it.key();
    result.output = exportJson(holder, options, defaults, loaded.version);
    return result;
}
