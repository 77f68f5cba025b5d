#include "platform/serverwatch.h"

#include "platform/xcbsupport.h"

#include <QSocketNotifier>

ServerWatch::ServerWatch(QObject* parent) : QObject(parent) {
    connection_ = qtXcbConnection();
    if (connection_ == nullptr) return;
    notifier_ =
        new QSocketNotifier(xcb_get_file_descriptor(connection_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ServerWatch::check);
}

void ServerWatch::check() {
    // Qt's own reader takes what arrives; a broken connection stays readable, so the watch ends.
    if (xcb_connection_has_error(connection_) == 0) return;
    notifier_->setEnabled(false);
    emit lost();
}
