#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <optional>

// An environment variable set for a while, then put back as it was.
class SetFor {
public:
    SetFor(const char* name, const QString& value)
        : name_(name),
          was_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        qputenv(name, QFile::encodeName(value));
    }
    ~SetFor() {
        if (was_) {
            qputenv(name_, *was_);
        } else {
            qunsetenv(name_);
        }
    }
    SetFor(const SetFor&) = delete;
    SetFor& operator=(const SetFor&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> was_;
};
