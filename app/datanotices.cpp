#include "app/datanotices.h"

#include "app/trayicon.h"
#include "look/l10n.h"
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
        return {l10n::text(msg::FileNotRegular).arg(dataPath, problem)};
    case LoadStatus::Unreadable:
        return {l10n::text(msg::FileUnreadable).arg(dataPath, problem, backup)};
    default:
        break;
    }
    // Damage in the records, or else in the options block alone.
    const FileDamage& damage = file.damage();
    if (loaded.status == LoadStatus::Damaged || !optionsRead) {
        QString what = QString::fromStdString(damage.what);
        if (loaded.status != LoadStatus::Damaged)
            what.prepend(l10n::text(msg::OptionsDamaged) + QStringLiteral(": "));
        notices
            << l10n::text(msg::FileDamaged).arg(dataPath, QString::number(damage.at), what, backup);
    }
    if (loaded.otherNames) notices << l10n::text(msg::FileHardLinked).arg(dataPath);
    return notices;
}

QString mergeNotice(const QString& dataPath, const CameIn& came) {
    const auto list = [](const std::array<int, 4>& counts) {
        QStringList parts;
        for (int kind = KindNote; kind <= KindReminder; ++kind) {
            const int n = counts[static_cast<std::size_t>(kind)];
            if (n > 0)
                parts << QStringLiteral("%1 %2").arg(n).arg(
                    l10n::text(msg::KindNames[kind][n == 1 ? 0 : 1]));
        }
        return parts.join(l10n::text(msg::MergeAnd));
    };
    QStringList what;
    if (const QString came_ = list(came.tally.added); !came_.isEmpty())
        what << l10n::text(msg::MergeCame).arg(came_);
    if (const QString went = list(came.tally.removed); !went.isEmpty())
        what << l10n::text(msg::MergeWent).arg(went);
    const QString from = QString::fromStdString(came.from);
    const QString text = QFileInfo(from) == QFileInfo(dataPath) ? l10n::text(msg::MergedElsewhere)
                                                                : l10n::text(msg::CopyMerged);
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
        if (tray_.available() && tray_.showNote(l10n::text(msg::ProgramName), text)) return;
        waiting_ << text;
        showWaiting();
    });
}

void QuietNotices::showWaiting() {
    if (typing_ && typing_()) return retry_.start();
    while (!waiting_.isEmpty()) {
        const QString text = waiting_.takeFirst();
        boxes_.showMessage(nullptr, text,
                           l10n::text(msg::ProgramName) + l10n::text(msg::CaptionJoin) +
                               l10n::text(msg::Warning),
                           box::Notice);
    }
}
