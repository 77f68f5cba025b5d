// Quillbox saving its Stickum over and over, as the autosave does after each change, for the
// crash test: started with a data directory, it types the next turn's number into the note's
// Stickum, saves, and prints the number once the save is complete, until it is killed.
#include "app/mydialog.h"
#include "fakes.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    FakeMessageBoxes boxes;
    const auto app = quillboxInProcess(QString::fromLocal8Bit(argv[1]), boxes);
    if (app->initMainWindow()) return 1;
    MyDialog* dialog = app->dialog();
    WPostIt* stickum = dialog->tracker().stickumOf(dialog->holder().note(0));
    if (!stickum) return 1;
    long turn = 0;
    QTimer typing;
    QObject::connect(&typing, &QTimer::timeout, [&] {
        ++turn;
        userTypes(stickum, "turn " + std::to_string(turn));
        if (!dialog->saveNow()) return;
        std::printf("%ld\n", turn);
        std::fflush(stdout);
    });
    typing.start(0);
    return QApplication::exec();
}
