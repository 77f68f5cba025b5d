#pragma once

// Where the controls of the main window stand. A user sees them; a journey learns them by
// building the same main window in its own process, on the same display and with the same
// fonts, and reading the places off it. Every point is relative to the main window's top-left
// corner.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

struct MainLayout {
    QSize frameSize;
    std::array<QPoint, 5> tabs; // Notes, Lendings, Reminders, Options, Infoz
    QPoint collapseButton;
    QPoint closeButton;
    // Notes page.
    QPoint noteEdit;
    QPoint addButton;
    QPoint newButton;
    QPoint pinButton;
    QRect noteList;
    int noteRowHeight = 0;
    QRect targetLabel;
    // Options page.
    QPoint colorButton;
    QPoint fontButton;
    QPoint minimumRadio;

    // The title of the first row of the note list: the row's centre a little right of the icon.
    QPoint noteRow(int row) const;
};

// Built once per test run: the probe's window comes and goes before any journey starts the
// program.
const MainLayout& mainLayout();

// How the Notes page's target label looks with this text, drawn by the probe.
QImage targetLabelPicture(const QString& text);
