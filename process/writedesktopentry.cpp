// Writes the installed desktop entry, with the translations of its texts, at build time.
//   writedesktopentry <file>
#include "process/desktopentry.h"

#include <QFile>
#include <QTextStream>

int main(int argc, char** argv) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: writedesktopentry <file>\n";
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray entry =
        desktopEntry({QStringLiteral("quillbox")}, EntryKind::Launcher).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(entry) != entry.size()) {
        QTextStream(stderr) << "writedesktopentry: " << file.errorString() << '\n';
        return 1;
    }
    return 0;
}
