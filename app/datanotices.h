#pragma once

#include "storage/datafile.h"

#include <QString>
#include <QStringList>

// What the user is told about the data file once it has been read, one text per box: damage
// (where and what), a file that could not be read or is no regular file, other names of the
// file that the next save will leave behind. Empty when all is well.
QStringList loadNotices(const QString& dataPath, const DataFile& file, const LoadResult& loaded,
                        bool optionsRead);
