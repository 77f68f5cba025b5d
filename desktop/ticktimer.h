#pragma once

#include <QObject>
#include <QTimer>

// The main dialog's one-minute timer: armed again at the end of every tick.
class TickTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int kPeriodMs = 60000;

    TickTimer() {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, &TickTimer::fired);
    }

    void arm() { timer_.start(kPeriodMs); }
    void stop() { timer_.stop(); }
    bool armed() const { return timer_.isActive(); }

signals:
    void fired();

private:
    QTimer timer_;
};
