#include "pages/optiondialog.h"

#include "look/gradient.h"
#include "look/l10n.h"
#include "look/recordtext.h"
#include "look/stickumlook.h"
#include "model/catalogue.h"
#include "model/postit.h"
#include "pages/dialoghost.h"
#include "pages/optionstepedit.h"
#include "pages/sampleminititlebar.h"
#include "resources/dialog_options.h"
#include "resources/dialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

using namespace optionid;

namespace {

// A tool of the page's tooltips: the control and what its tip says.
struct WToolInfo {
    int toolId;
    const char* text;
};

constexpr WToolInfo kTools[] = {
    {ColorButton, msg::TipColor},
    {FontButton, msg::TipFont},
};

// Texts with room for more than one line wrap inside their place instead of widening.
constexpr int kWrappingHeight = 16;
// Dialog units between a group box's edge and what it holds.
constexpr int kGroupMargin = 4;
// The right edge of the "Stickum appearance" group, in dialog units.
constexpr int kAppearanceRight = 112;

// The wave file's name as the options hold it: at most 255 bytes, whole characters only.
QString storableName(const QString& text) {
    return cutToBytes(text, kWaveFileBytes);
}

bool fileExists(const QString& name) {
    return !name.isEmpty() && QFileInfo(name).isFile();
}

} // namespace

OptionDialog::OptionDialog(DialogHost& host, QWidget* parent)
    : PageDialog(host, kOptionsPage, parent), qtChoosers_(std::make_unique<QtChoosers>()),
      choosers_(qtChoosers_.get()) {
    wrapTallTexts();
    fitTitleBarRow();
    sample_ = itemAs<QLabel>(SampleText);
    if (sample_) sample_->setAutoFillBackground(true);
    fitSample();
    if (auto* group = itemAs<QGroupBox>(TitleBarGroup)) group->setAlignment(Qt::AlignHCenter);
    titleBar_ = new SampleMiniTitleBar(options(), this);
    titleBar_->placeOver(item(SampleTitleBarPlace));
    reminderDays_ =
        replaceItemAndArrows(ReminderDaysEdit, ReminderDaysUpDown, new OptionStepEdit(0, kMaxDays));
    lendingDays_ =
        replaceItemAndArrows(LendingDaysEdit, LendingDaysUpDown, new OptionStepEdit(0, kMaxDays));
    height_ =
        replaceItemAndArrows(HeightEdit, HeightUpDown, new OptionStepEdit(kMinHeight, kMaxHeight));
    for (OptionStepEdit* edit : {reminderDays_, lendingDays_, height_})
        widen(edit, missingRoom(edit, QString::number(edit->maximum())));
    // The "..." buttons and the wave file's edit say what they are for.
    if (QWidget* b = item(TitleBarColorButton))
        b->setAccessibleName(tr("Choose the title bar colour"));
    if (QWidget* b = item(WaveFileButton)) b->setAccessibleName(tr("Choose the wave file"));
    waveEdit_ = itemAs<QLineEdit>(WaveFileEdit);
    if (waveEdit_) {
        waveEdit_->setAccessibleName(tr("Wave file"));
        waveEdit_->setMaxLength(static_cast<int>(kWaveFileBytes));
        waveEdit_->installEventFilter(this);
    }
    connectControls();
    // The alert sound starts on the wave file the options start with, when it is there.
    if (fileExists(QString::fromStdString(options().waveFile))) host.waveFileChanged();
}

OptionDialog::~OptionDialog() = default;

Options& OptionDialog::options() const {
    return host().options();
}

QAbstractButton* OptionDialog::button(int id) const {
    return itemAs<QAbstractButton>(id);
}

void OptionDialog::wrapTallTexts() {
    const DialogTable* table = dialogTable(kOptionsPage);
    if (!table) return;
    for (std::size_t i = 0; i < table->items.size() && i < items().size(); ++i) {
        const DialogItem& row = table->items[i];
        auto* label = qobject_cast<QLabel*>(items()[i]);
        if (row.kind != ItemKind::Text || !label) continue;
        const QRect place = units().rect(row.x, row.y, row.cx, row.cy);
        if (row.cy >= kWrappingHeight) {
            label->setWordWrap(true);
            label->setGeometry(place);
        } else if (label->width() > place.width()) {
            // A one-line text too long for the page's font runs into the control right of it:
            // it takes two lines instead, reaching left to its group's inner edge and ending
            // where its place ends.
            int left = row.x;
            for (const DialogItem& group : table->items) {
                const bool holds = group.kind == ItemKind::GroupBox && group.x < row.x &&
                                   group.y < row.y && group.x + group.cx >= row.x + row.cx &&
                                   group.y + group.cy >= row.y + row.cy;
                if (holds) left = group.x + kGroupMargin;
            }
            const int top = row.y + row.cy / 2 - kWrappingHeight / 2;
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setGeometry(units().rect(left, top, row.x + row.cx - left, kWrappingHeight));
        }
    }
}

void OptionDialog::fitTitleBarRow() {
    // "Default Windows col." may need more room than its place: the colour button beside it
    // moves right, its group growing with it, as far as the appearance group leaves room.
    auto* box = itemAs<QAbstractButton>(DefaultCaptionBox);
    QWidget* colourButton = item(TitleBarColorButton);
    QWidget* group = item(TitleBarGroup);
    if (!box || !colourButton || !group) return;
    const int missing = missingRoom(box);
    if (missing == 0) return;
    const int appearanceRight = units().x(kAppearanceRight) - kGroupInset;
    const int shift = std::clamp(appearanceRight - group->geometry().right(), 0, missing);
    colourButton->move(colourButton->x() + shift, colourButton->y());
    group->resize(group->width() + shift, group->height());
    widen(box, missing);
}

void OptionDialog::fitSample() {
    // The sample shows its whole text: it takes the room beside it when it needs more lines
    // than its place holds.
    if (!sample_) return;
    int extra = 0;
    while (extra < width() && sample_->heightForWidth(sample_->width() + extra) > sample_->height())
        ++extra;
    widen(sample_, extra);
    // The sample's title bar stands over it, as wide as it.
    if (QWidget* place = item(SampleTitleBarPlace))
        place->setGeometry(sample_->x(), place->y(), sample_->width(), place->height());
}

void OptionDialog::connectControls() {
    const auto clicked = [this](int id, auto handler) {
        if (QAbstractButton* b = button(id)) connect(b, &QAbstractButton::clicked, this, handler);
    };
    clicked(ColorButton, [this] { chooseStickumColor(); });
    clicked(FontButton, [this] { chooseFont(); });
    clicked(TitleBarColorButton, [this] { chooseTitleBarColor(); });
    clicked(DefaultCaptionBox, [this] { captionColorBox(); });
    clicked(SaveAllButton, [this] { host().save(); });
    clicked(SoundBox, [this](bool ticked) { options().defaultSound = ticked; });
    clicked(ScrollBarBox, [this](bool ticked) {
        options().scrollBar = ticked;
        host().markStickumsStale();
    });
    clicked(FixedRadio, [this] { dimensionClicked(DimensionFixed); });
    clicked(MinimumRadio, [this] { dimensionClicked(DimensionMinimum); });
    clicked(ModifiableRadio, [this] { dimensionClicked(DimensionModifiable); });
    clicked(WaveFileButton, [this] { chooseWaveFile(); });

    reminderDays_->stepRequest = [this](int v) {
        return daysStep(options().reminderDaysBefore, v);
    };
    connect(reminderDays_, &OptionStepEdit::left, this,
            [this] { daysTyped(reminderDays_, options().reminderDaysBefore); });
    lendingDays_->stepRequest = [this](int v) { return daysStep(options().lendingDaysAfter, v); };
    connect(lendingDays_, &OptionStepEdit::left, this,
            [this] { daysTyped(lendingDays_, options().lendingDaysAfter); });
    height_->stepRequest = [this](int v) { return heightStep(v); };
    connect(height_, &OptionStepEdit::left, this, [this] { heightTyped(); });
}

void OptionDialog::setUpPage() {
    if (setUp_) return;
    setUp_ = true;
    Options& o = options();
    // The main dialog settled them once read; the page's palette may differ from its.
    const bool changed = settleOptions(o, palette());
    applyToSample();

    reminderDays_->setPosition(o.reminderDaysBefore);
    lendingDays_->setPosition(o.lendingDaysAfter);
    if (QAbstractButton* b = button(SoundBox)) b->setChecked(o.defaultSound);

    if (o.dimensionMode == DimensionFixed) {
        if (QAbstractButton* b = button(FixedRadio)) b->setChecked(true);
    } else if (o.dimensionMode == DimensionMinimum) {
        if (QAbstractButton* b = button(MinimumRadio)) b->setChecked(true);
    }
    if (QAbstractButton* b = button(ScrollBarBox)) b->setChecked(o.scrollBar);
    if (QAbstractButton* b = button(ModifiableRadio)) b->setEnabled(false);
    height_->setPosition(o.heightInLines);

    // The stored name stays even while its file is missing; the sound is opened on it when it
    // is there.
    if (waveEdit_) waveEdit_->setText(QString::fromStdString(o.waveFile));
    if (fileExists(QString::fromStdString(o.waveFile))) host().waveFileChanged();

    if (QAbstractButton* b = button(DefaultCaptionBox)) b->setChecked(o.defaultCaptionColor);
    if (changed) host().markStickumsStale();
    redrawTitleBar();

    for (const WToolInfo& tool : kTools) {
        if (QWidget* w = item(tool.toolId)) {
            w->setToolTip(l10n::text(tool.text));
            w->setAttribute(Qt::WA_AlwaysShowToolTips);
        }
    }
    // Tips show even while the window is not the active one.
    if (window() != this) window()->setAttribute(Qt::WA_AlwaysShowToolTips);
    updateEnabling();
}

bool OptionDialog::settleOptions(Options& o, const QPalette& palette) {
    const auto mode = o.dimensionMode;
    const ColorRef titleBar = o.titleBarColor;
    // "Modifiable" cannot be chosen: a Stickum that asked for it is fixed.
    if (o.dimensionMode == DimensionModifiable) o.dimensionMode = DimensionFixed;
    if (o.defaultCaptionColor) o.titleBarColor = toColorRef(desktop::activeCaption(palette));
    return o.dimensionMode != mode || o.titleBarColor != titleBar;
}

void OptionDialog::CommitOptions() {
    // A value typed but not yet left counts as left: the program may end while it is still in
    // its field. A number the page put there (an option, or a typed one it corrected and did
    // not store) is nothing pending; before set-up the fields do not show the options yet.
    if (!setUp_) return;
    Options& o = options();
    daysTyped(reminderDays_, o.reminderDaysBefore);
    daysTyped(lendingDays_, o.lendingDaysAfter);
    heightTyped();
    applyWaveFile();
}

void OptionDialog::RefreshOptions() {
    Options& o = options();
    const ColorRef caption = toColorRef(systemCaption());
    if (!o.defaultCaptionColor || caption == o.titleBarColor) return;
    o.titleBarColor = caption;
    host().markStickumsStale();
    redrawTitleBar();
}

bool OptionDialog::event(QEvent* event) {
    // The page's window is complete once it has joined the main dialog (the options have been
    // read by then) or is shown on its own.
    const bool ready =
        (event->type() == QEvent::ParentChange && parentWidget()) || event->type() == QEvent::Show;
    if (ready && !setUp_) setUpPage();
    return PageDialog::event(event);
}

void OptionDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) systemColorsChanged();
    PageDialog::changeEvent(event);
}

bool OptionDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == waveEdit_ && event->type() == QEvent::FocusOut) applyWaveFile();
    return PageDialog::eventFilter(watched, event);
}

QColor OptionDialog::systemCaption() const {
    return desktop::activeCaption(palette());
}

void OptionDialog::updateEnabling() {
    const Options& o = options();
    if (QAbstractButton* b = button(TitleBarColorButton)) b->setEnabled(!o.defaultCaptionColor);
    const bool sized = o.dimensionMode != DimensionMinimum;
    if (QAbstractButton* b = button(ScrollBarBox)) b->setEnabled(sized);
    height_->setEnabled(sized);
}

void OptionDialog::applyToSample() {
    if (!sample_) return;
    const Options& o = options();
    QPalette pal = sample_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Window, toQColor(o.stickumColor));
        pal.setColor(group, QPalette::WindowText, toQColor(o.textColor));
    }
    sample_->setPalette(pal);
    sample_->setFont(stickumFont(o));
    sample_->repaint();
}

void OptionDialog::redrawTitleBar() {
    titleBar_->repaint();
}

void OptionDialog::chooseStickumColor() {
    const auto chosen = choosers_->chooseColor(this, options().stickumColor, stickumColors_);
    if (!chosen) return;
    // Stickums take their background from the options whenever they paint: no rebuild.
    options().stickumColor = *chosen;
    applyToSample();
}

void OptionDialog::chooseFont() {
    Options& o = options();
    std::optional<QFont> current;
    if (o.stickumFont) current = fontFromLogFont(*o.stickumFont);
    const auto chosen = choosers_->chooseFont(this, current, o.textColor);
    if (!chosen) return;
    o.textColor = chosen->color;
    o.stickumFont = logFontFromFont(chosen->font);
    applyToSample();
    host().markStickumsStale();
}

void OptionDialog::captionColorBox() {
    Options& o = options();
    const QAbstractButton* box = button(DefaultCaptionBox);
    o.defaultCaptionColor = box && box->isChecked();
    updateEnabling();
    if (o.defaultCaptionColor) {
        o.titleBarColor = toColorRef(systemCaption());
        host().markStickumsStale();
        redrawTitleBar();
    } else {
        chooseTitleBarColor();
    }
}

void OptionDialog::chooseTitleBarColor() {
    const auto chosen = choosers_->chooseColor(this, options().titleBarColor, titleBarColors_);
    if (!chosen) return;
    options().titleBarColor = *chosen;
    host().markStickumsStale();
    redrawTitleBar();
}

void OptionDialog::dimensionClicked(int mode) {
    options().dimensionMode = mode;
    host().markStickumsStale();
    updateEnabling();
}

bool OptionDialog::daysStep(std::int16_t& option, int value) {
    if (value < 0 || value > kMaxDays) return false;
    option = static_cast<std::int16_t>(value);
    return true;
}

void OptionDialog::daysTyped(OptionStepEdit* edit, std::int16_t& option) {
    const auto typed = edit->takeTyped();
    if (!typed) return;
    const int value = *typed;
    if (value < 0)
        edit->setPosition(0);
    else if (value > kMaxDays)
        edit->setPosition(kMaxDays);
    else
        option = static_cast<std::int16_t>(value);
}

bool OptionDialog::heightStep(int value) {
    if (value < kMinHeight || value > kMaxHeight) return false;
    options().heightInLines = static_cast<std::int16_t>(value);
    host().markStickumsStale();
    return true;
}

void OptionDialog::heightTyped() {
    const auto typed = height_->takeTyped();
    if (!typed) return;
    const int value = *typed;
    if (value < kMinHeight) {
        height_->setPosition(kMinHeight);
    } else if (value > kMaxHeight) {
        height_->setPosition(kMaxHeight);
    } else {
        options().heightInLines = static_cast<std::int16_t>(value);
        host().markStickumsStale();
    }
}

void OptionDialog::applyWaveFile() {
    if (!waveEdit_) return;
    const QString name = storableName(waveEdit_->text());
    if (name.toStdString() == options().waveFile) return;
    // A name without a file changes nothing, and says nothing.
    if (!fileExists(name)) return;
    options().waveFile = name.toStdString();
    host().waveFileChanged();
}

void OptionDialog::chooseWaveFile() {
    const QStringList filters{l10n::text(msg::WaveFilesFilter), l10n::text(msg::AllFilesFilter)};
    const auto chosen = choosers_->chooseFile(this, filters);
    if (!chosen) return;
    if (fileExists(*chosen) && waveEdit_) waveEdit_->setText(QFileInfo(*chosen).absoluteFilePath());
    applyWaveFile();
}

void OptionDialog::systemColorsChanged() {
    Options& o = options();
    if (!setUp_ || !o.defaultCaptionColor) return;
    const ColorRef caption = toColorRef(systemCaption());
    if (caption == o.titleBarColor) return;
    o.titleBarColor = caption;
    host().markStickumsStale();
    redrawTitleBar();
}
