#pragma once

// Stand-ins for what a benchmark of the real program must not wait on: message boxes answer at
// once, and the tray is there but shows nothing.
#include "app/myapp.h"
#include "app/trayicon.h"
#include "look/messages.h"

#include <memory>

class SilentBoxes : public MessageBoxes {
public:
    Answer showMessage(QWidget*, const QString&, const QString&, BoxStyle) override {
        return Answer::Ok;
    }
};

class QuietTray : public TrayIcon {
public:
    bool available() const override { return true; }
    void add(int, const QString&) override {}
    void setPicture(int) override {}
    void setTip(const QString&) override {}
    void remove() override {}
};

// The real program on the data file in the folder, asking nothing; initMainWindow() starts it.
inline std::unique_ptr<MyApp> quietProgram(const QString& dataDirectory, MessageBoxes& boxes) {
    StartOptions options;
    options.dataDirectory = dataDirectory;
    options.messages = &boxes;
    options.makeTray = [] { return std::make_unique<QuietTray>(); };
    options.splashMs = 1;
    return std::make_unique<MyApp>(std::move(options));
}
