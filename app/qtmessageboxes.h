#pragma once

#include "look/messages.h"

// Message boxes shown with Qt: modal, with the caption, text, buttons and icon asked for.
class QtMessageBoxes : public MessageBoxes {
public:
    Answer showMessage(QWidget* owner, const QString& text, const QString& caption,
                       BoxStyle style) override;
};
