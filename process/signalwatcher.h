#pragma once

#include <QObject>

#include <initializer_list>

class QSocketNotifier;

// Turns the signals that end a program (SIGTERM, SIGHUP, SIGINT) into a Qt signal delivered
// on the event loop. The handler only writes the signal's number into a pipe; everything else
// happens on the user-interface thread.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    ~SignalWatcher() override;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
};
