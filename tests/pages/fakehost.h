#pragma once

#include "pages/dialoghost.h"
#include "pages/messages.h"

// A main dialog for pages on their own: a record list and options, nothing else.
class FakeHost : public DialogHost, public MessageBoxes {
public:
    PostItHolder& holder() override { return holder_; }
    Options& options() override { return options_; }
    MessageBoxes& messages() override { return *this; }
    bool attachNew(PostIt* record) override {
        return holder_.attach(std::make_unique<PostItAttr>(), record);
    }
    bool detach(PostIt*) override { return false; }
    bool setTarget(PostIt*, WindowHandle) override { return false; }
    std::optional<std::string> targetTitle(const PostIt*) override { return std::nullopt; }
    bool save() override { return true; }
    void markStickumsStale() override {}
    Answer showMessage(QWidget*, const QString&, const QString&, BoxStyle) override {
        return Answer::Ok;
    }

private:
    PostItHolder holder_;
    Options options_;
};
