#include "app/datanotices.h"

#include "app/trayicon.h"
#include "look/messages.h"
#include "model/catalogue.h"

#include <QFileInfo>

namespace {

// How long a box waits for the typing into a Stickum to pause.
constexpr int kRetryMs = 2000;

} // namespace

QStringList loadNotices(const QString& dataPath, const DataFile& file, const LoadResult& loaded,
                        bool optionsRead) {
    QStringList notices;
    const QString backup = QString::fromStdString(file.backupPath());
    const QString problem = QString::fromStdString(loaded.problem);
    switch (loaded.status) {
    case LoadStatus::NotAFile:
        return {QString::fromUtf8(msg::FileNotRegular).arg(dataPath, problem)};
    case LoadStatus::Unreadable:
        return {QString::fromUtf8(msg::FileUnreadable).arg(dataPath, problem, backup)};
    default:
        break;
    }
    // Damage in the records, or else in the options block alone.
    const FileDamage& damage = file.damage();
    if (loaded.status == LoadStatus::Damaged || !optionsRead) {
        QString what = QString::fromStdString(damage.what);
        if (loaded.status != LoadStatus::Damaged)
            what.prepend(QString::fromUtf8(msg::OptionsDamaged) + QStringLiteral(": "));
        notices << QString::fromUtf8(msg::FileDamaged)
                       .arg(dataPath, QString::number(damage.at), what, backup);
    }
    if (loaded.otherNames) notices << QString::fromUtf8(msg::FileHardLinked).arg(dataPath);
    return notices;
}

QString mergeNotice(const QString& dataPath, const CameIn& came) {
    const auto list = [](const std::array<int, 4>& counts) {
        QStringList parts;
        for (int kind = KindNote; kind <= KindReminder; ++kind) {
            const int n = counts[static_cast<std::size_t>(kind)];
            if (n > 0)
                parts << QStringLiteral("%1 %2").arg(n).arg(
                    QString::fromUtf8(msg::KindNames[kind][n == 1 ? 0 : 1]));
        }
        return parts.join(QString::fromUtf8(msg::MergeAnd));
    };
    QStringList what;
    if (const QString came_ = list(came.tally.added); !came_.isEmpty())
        what << QString::fromUtf8(msg::MergeCame).arg(came_);
    if (const QString went = list(came.tally.removed); !went.isEmpty())
        what << QString::fromUtf8(msg::MergeWent).arg(went);
    const QString from = QString::fromStdString(came.from);
    const QString text = QFileInfo(from) == QFileInfo(dataPath)
                             ? QString::fromUtf8(msg::MergedElsewhere)
                             : QString::fromUtf8(msg::CopyMerged);
    return text.arg(from, what.join(QStringLiteral(", ")));
}

QuietNotices::QuietNotices(TrayIcon& tray, MessageBoxes& boxes, std::function<bool()> typing)
    : tray_(tray), boxes_(boxes), typing_(std::move(typing)) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &QuietNotices::showWaiting);
}

void QuietNotices::tell(const QString& text) {
    QTimer::singleShot(0, this, [this, text] {
        if (tray_.available() && tray_.showNote(QString::fromUtf8(msg::ProgramName), text)) return;
        waiting_ << text;
        showWaiting();
    });
}

void QuietNotices::showWaiting() {
    if (typing_ && typing_()) return retry_.start();
    while (!waiting_.isEmpty()) {
        const QString text = waiting_.takeFirst();
        boxes_.showMessage(nullptr, text,
                           QString::fromUtf8(msg::ProgramName) +
                               QString::fromUtf8(msg::CaptionJoin) +
                               QString::fromUtf8(msg::Warning),
                           box::Notice);
    }
}
