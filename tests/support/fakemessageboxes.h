#pragma once

#include "look/messages.h"

#include <QString>

#include <deque>
#include <ostream>
#include <vector>

// Message boxes answered by the test: a box with only an OK button answers Ok; a question takes
// the next queued answer, or No when nothing is queued.
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QWidget* owner;
        QString text;
        QString caption;
        BoxStyle style;
        bool operator==(const Shown&) const = default;
        friend void PrintTo(const Shown& box, std::ostream* out) {
            *out << '"' << box.text.toStdString() << "\" / \"" << box.caption.toStdString()
                 << "\", buttons " << int(box.style.buttons) << ", icon " << int(box.style.icon)
                 << ", owner " << box.owner;
        }
    };

    Answer showMessage(QWidget* owner, const QString& text, const QString& caption,
                       BoxStyle style) override {
        shown.push_back({owner, text, caption, style});
        if (style.buttons == BoxButtons::Ok) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::deque<Answer> answers;
};
