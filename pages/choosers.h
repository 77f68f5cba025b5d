#pragma once

#include "model/options.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QWidget;

// The sixteen custom colours of one colour chooser, kept by its user between uses.
using CustomColors = std::array<ColorRef, 16>;

// A font and its colour, as the font chooser gives them.
struct FontChoice {
    QFont font;
    ColorRef color = 0;
};

// The colour, font and file choosers the Options page opens. Each answers nothing when the
// user cancels. Tests put a scripted set in place of the real dialogs.
class Choosers {
public:
    virtual ~Choosers() = default;

    // The user's colour, starting from initial; the custom colours are those of table, and
    // whatever the user puts there is in table afterwards.
    virtual std::optional<ColorRef> chooseColor(QWidget* owner, ColorRef initial,
                                                CustomColors& table) = 0;
    // A font with its colour; starts from initial when there is one, else from the last font
    // chosen in this run.
    virtual std::optional<FontChoice>
    chooseFont(QWidget* owner, const std::optional<QFont>& initial, ColorRef initialColor) = 0;
    // An existing file to open, with its full path. filters: one "Name (patterns)" per entry.
    virtual std::optional<QString> chooseFile(QWidget* owner, const QStringList& filters) = 0;
};

// The choosers as Qt's colour, font and file dialogs.
class QtChoosers : public Choosers {
public:
    std::optional<ColorRef> chooseColor(QWidget* owner, ColorRef initial,
                                        CustomColors& table) override;
    std::optional<FontChoice> chooseFont(QWidget* owner, const std::optional<QFont>& initial,
                                         ColorRef initialColor) override;
    std::optional<QString> chooseFile(QWidget* owner, const QStringList& filters) override;

private:
    std::optional<QFont> lastFont_;
};

// Qt keeps one set of custom colours for every colour dialog. While a scope lives, that set
// holds the given table; when it ends, the table takes what the user made of it and the set
// is what it was before.
class CustomColorsScope {
public:
    explicit CustomColorsScope(CustomColors& table);
    ~CustomColorsScope();
    CustomColorsScope(const CustomColorsScope&) = delete;
    CustomColorsScope& operator=(const CustomColorsScope&) = delete;

private:
    CustomColors& table_;
    std::array<QColor, 16> saved_;
};
