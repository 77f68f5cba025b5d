#pragma once

#include <QObject>

class QSocketNotifier;
struct xcb_connection_t;

// Watches the connection to the X server that Qt uses, on its socket: lost() comes once, from the
// event loop, as soon as the connection is found broken (the server ended or shut the
// connection). On another platform nothing is watched.
class ServerWatch : public QObject {
    Q_OBJECT
public:
    explicit ServerWatch(QObject* parent = nullptr);

signals:
    void lost();

private:
    void check();

    xcb_connection_t* connection_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
};
