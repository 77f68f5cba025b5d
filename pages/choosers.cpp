#include "pages/choosers.h"

#include "look/gradient.h"
#include "look/l10n.h"
#include "model/catalogue.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kSwatchWidth = 32;
constexpr int kSwatchHeight = 12;

// Qt's font dialog has no colour: this one puts the font dialog and a colour button together.
class FontColorDialog : public QDialog {
public:
    FontColorDialog(const QFont& font, ColorRef color, QWidget* owner)
        : QDialog(owner), color_(color) {
        setWindowTitle(l10n::text(msg::FontChooserTitle));
        fonts_ = new QFontDialog(font, this);
        fonts_->setWindowFlags(Qt::Widget);
        fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        // Escape or Enter in the font part answers for the whole chooser, not only that part.
        connect(fonts_, &QDialog::rejected, this, &QDialog::reject);
        connect(fonts_, &QDialog::accepted, this, &QDialog::accept);

        auto* colorRow = new QHBoxLayout;
        auto* label = new QLabel(l10n::text(msg::FontChooserColor), this);
        colorButton_ = new QPushButton(this);
        label->setBuddy(colorButton_);
        colorRow->addWidget(label);
        colorRow->addWidget(colorButton_);
        colorRow->addStretch();
        connect(colorButton_, &QPushButton::clicked, this, &FontColorDialog::pickColor);
        showColor();

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* layout = new QVBoxLayout(this);
        layout->addWidget(fonts_);
        layout->addLayout(colorRow);
        layout->addWidget(buttons);
    }

    QFont font() const { return fonts_->currentFont(); }
    ColorRef color() const { return color_; }

private:
    void pickColor() {
        const QColor chosen = QColorDialog::getColor(toQColor(color_), this);
        if (!chosen.isValid()) return;
        color_ = toColorRef(chosen);
        showColor();
    }
    void showColor() {
        QPixmap swatch(kSwatchWidth, kSwatchHeight);
        swatch.fill(toQColor(color_));
        colorButton_->setIcon(QIcon(swatch));
        colorButton_->setIconSize(swatch.size());
    }

    QFontDialog* fonts_ = nullptr;
    QPushButton* colorButton_ = nullptr;
    ColorRef color_;
};

} // namespace

CustomColorsScope::CustomColorsScope(CustomColors& table) : table_(table) {
    for (int i = 0; i < static_cast<int>(table_.size()); ++i) {
        saved_[i] = QColorDialog::customColor(i);
        QColorDialog::setCustomColor(i, toQColor(table_[i]));
    }
}

CustomColorsScope::~CustomColorsScope() {
    for (int i = 0; i < static_cast<int>(table_.size()); ++i) {
        table_[i] = toColorRef(QColorDialog::customColor(i));
        QColorDialog::setCustomColor(i, saved_[i]);
    }
}

std::optional<ColorRef> QtChoosers::chooseColor(QWidget* owner, ColorRef initial,
                                                CustomColors& table) {
    const CustomColorsScope scope(table);
    const QColor chosen = QColorDialog::getColor(toQColor(initial), owner);
    if (!chosen.isValid()) return std::nullopt;
    return toColorRef(chosen);
}

std::optional<FontChoice>
QtChoosers::chooseFont(QWidget* owner, const std::optional<QFont>& initial, ColorRef initialColor) {
    const QFont start = initial ? *initial : lastFont_.value_or(QFont());
    FontColorDialog dialog(start, initialColor, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    lastFont_ = dialog.font();
    return FontChoice{dialog.font(), dialog.color()};
}

std::optional<QString> QtChoosers::chooseFile(QWidget* owner, const QStringList& filters) {
    // Qt's own dialog matches the patterns whatever the case of the file names.
    const QString path = QFileDialog::getOpenFileName(owner, QString(), QString(),
                                                      filters.join(QStringLiteral(";;")), nullptr,
                                                      QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return std::nullopt;
    return path;
}
