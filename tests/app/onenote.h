#pragma once

// Quillbox in the test's own process, started from a data file with one note whose Stickum
// stands at a place, as the tests of Stickums on a real desktop start it.

#include "app/myapp.h"
#include "app/mydialog.h"
#include "fakes.h"
#include "stickum/stickum.h"

#include <QPoint>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include <gtest/gtest.h>

class OneNoteTest : public ::testing::Test {
protected:
    void TearDown() override { app.reset(); }

    void start(const std::string& text, QPoint place) {
        ASSERT_TRUE(writeOneNote(dir.path(), text, place));
        app = quillboxInProcess(dir.path(), boxes);
        ASSERT_FALSE(app->initMainWindow().has_value());
    }

    MyDialog* dialog() const { return app->dialog(); }
    Note* note() const { return dialog()->holder().note(0); }
    // The note's Stickum; none while it is not made.
    SmallFrame* frame() const {
        WPostIt* content = dialog()->tracker().stickumOf(note());
        return content ? content->frame() : nullptr;
    }

    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    std::unique_ptr<MyApp> app;
};
