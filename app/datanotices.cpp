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
    case LoadStatus::Damaged:
        notices << QString::fromUtf8(msg::FileDamaged)
                       .arg(dataPath, QString::number(loaded.damageAt), problem, backup);
        break;
    default:
        if (optionsRead) break;
        notices << QString::fromUtf8(msg::FileDamaged)
                       .arg(dataPath, QString::number(file.damage().at),
                            QString::fromUtf8(msg::OptionsDamaged) + QStringLiteral(": ") +
                                QString::fromStdString(file.damage().what),
                            backup);
    }
    if (loaded.otherNames) notices << QString::fromUtf8(msg::FileHardLinked).arg(dataPath);
    return notices;
}
