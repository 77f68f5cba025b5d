#include "process/serverlossguard.h"

#include <QCoreApplication>
#include <QString>
#include <QThread>
#include <QtGlobal>

namespace {

// The work of the living guard; none once it is gone or has run.
std::function<void()>* armed = nullptr;
QtMessageHandler previous = nullptr;

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool serverLost =
        type == QtWarningMsg && message.startsWith(QLatin1String("The X11 connection broke"));
    const bool mainThread = qApp && QThread::currentThread() == qApp->thread();
    if (serverLost && mainThread && armed) {
        const std::function<void()> work = std::move(*armed);
        armed = nullptr;
        work();
    }
    if (previous) previous(type, context, message);
}

} // namespace

ServerLossGuard::ServerLossGuard(std::function<void()> beforeExit) : work_(std::move(beforeExit)) {
    armed = &work_;
    previous = qInstallMessageHandler(onMessage);
}

ServerLossGuard::~ServerLossGuard() {
    if (armed == &work_) armed = nullptr;
    qInstallMessageHandler(previous);
}
