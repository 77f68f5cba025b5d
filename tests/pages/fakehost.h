#pragma once

// The main dialog as the pages see it, without the main dialog: a record list, the options,
// message boxes that answer from a script, and counters for what the pages asked.

#include "fakemessageboxes.h"
#include "model/catalogue.h"
#include "pages/dialoghost.h"
#include "platform/nullwindowsystem.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <vector>

class FakeHost : public DialogHost {
public:
    PostItHolder& holder() override { return records; }
    Options& options() override { return settings; }
    MessageBoxes& messages() override { return boxes; }
    Date today() override { return todayIs; }
    WindowSystem& windowSystem() override { return *windows; }

    bool attachNew(PostIt* record) override { return records.attach(records.newAttr(), record); }
    bool detach(PostIt* record) override {
        PostItAttr* attr = records.attrOf(record);
        if (!attr) return false;
        *attr = *records.newAttr();
        return true;
    }
    bool setTarget(PostIt* record, WindowHandle window) override {
        PostItAttr* attr = records.attrOf(record);
        if (!attr) return false;
        attr->target = window;
        return true;
    }
    std::optional<std::string> targetTitle(const PostIt* record) override {
        const PostItAttr* attr = records.attrOf(record);
        if (!attr) return std::nullopt;
        const auto title = windowTitles.find(attr->target);
        if (attr->target == 0 || title == windowTitles.end()) return std::string(msg::NoWindow);
        return title->second;
    }
    Result save() override {
        ++saves;
        return saveSucceeds ? Result::done() : Result::failed("the disk is full");
    }
    void markStickumsStale() override { ++staleMarks; }
    void waveFileChanged() override { ++waveChanges; }

    PostItHolder records;
    Options settings = Options::initial({rgb(0, 84, 227), "/nowhere/ding.wav"});
    FakeMessageBoxes boxes;
    Date todayIs = makeDate(7, 12, 2026);
    NullWindowSystem noWindows;
    WindowSystem* windows = &noWindows;               // set before a Notes page is made
    std::map<WindowHandle, std::string> windowTitles; // the windows that still exist
    int saves = 0;
    bool saveSucceeds = true;
    int staleMarks = 0;
    int waveChanges = 0;
};

// Whether the page has shown one box, and only one: this text, caption and style.
inline ::testing::AssertionResult oneBoxShown(const FakeMessageBoxes& boxes, const QString& text,
                                              const QString& caption, BoxStyle style) {
    if (boxes.shown.size() != 1)
        return ::testing::AssertionFailure() << boxes.shown.size() << " boxes shown";
    const FakeMessageBoxes::Shown& box = boxes.shown[0];
    if (box == FakeMessageBoxes::Shown{box.owner, text, caption, style})
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown " << ::testing::PrintToString(box);
}
