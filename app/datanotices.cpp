#include "app/datanotices.h"

#include "model/catalogue.h"

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
