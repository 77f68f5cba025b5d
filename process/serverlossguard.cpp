#include "process/serverlossguard.h"

#include <QCoreApplication>
#include <QString>
#include <QThread>
#include <QtGlobal>

namespace {

// The work of the living guard; none once it is gone or has run. Qt's message handler is one
// for the process and reaches no object: the guard it serves is found here.
std::function<void()>* armed = nullptr;
QtMessageHandler previous = nullptr;

void runArmed() {
    if (!armed) return;
    const std::function<void()> work = std::move(*armed);
    armed = nullptr;
    work();
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool serverLost =
        type == QtWarningMsg && message.startsWith(QLatin1String("The X11 connection broke"));
    const bool mainThread = qApp && QThread::currentThread() == qApp->thread();
    if (serverLost && mainThread) runArmed();
    if (previous) previous(type, context, message);
}

} // namespace

ServerLossGuard::ServerLossGuard(std::function<void()> beforeExit) : work_(std::move(beforeExit)) {
    armed = &work_;
    previous = qInstallMessageHandler(onMessage);
}

void ServerLossGuard::serverLost() const {
    if (armed == &work_) runArmed();
}

ServerLossGuard::~ServerLossGuard() {
    if (armed == &work_) armed = nullptr;
    qInstallMessageHandler(previous);
}
