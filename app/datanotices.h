#pragma once

#include "document/savereport.h"
#include "storage/datafile.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class MessageBoxes;
class TrayIcon;

// What the user is told about the data file once it has been read, one text per box: damage
// (where and what), a file that could not be read or is no regular file, other names of the
// file that the next save will leave behind. Empty when all is well.
QStringList loadNotices(const QString& dataPath, const DataFile& file, const LoadResult& loaded,
                        bool optionsRead);

// What a merge brought in, in words: the data file changed elsewhere, or a conflict copy.
QString mergeNotice(const QString& dataPath, const CameIn& came);

// Tells what happened to the data (merges, conflict copies, a save that failed while nobody
// waited for it) without taking the focus from what the user is doing: in the tray's message
// balloon, or where there is none, in a box that waits until no Stickum is being typed into.
// Always after the turn of the event loop that asked: a command may be waiting for its answer.
class QuietNotices : public QObject {
public:
    // typing: whether the user is typing into a Stickum now.
    QuietNotices(TrayIcon& tray, MessageBoxes& boxes, std::function<bool()> typing);

    void tell(const QString& text);

private:
    void showWaiting();

    TrayIcon& tray_;
    MessageBoxes& boxes_;
    std::function<bool()> typing_;
    QStringList waiting_;
    QTimer retry_;
};
