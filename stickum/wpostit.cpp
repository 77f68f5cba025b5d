#include "stickum/wpostit.h"

#include "look/frameontop.h"
#include "look/gradient.h"
#include "look/l10n.h"
#include "look/recordtext.h"
#include "look/stickumlook.h"
#include "model/catalogue.h"
#include "model/text.h"
#include "stickum/smallframe.h"
#include "stickum/stickumedit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

namespace {

constexpr int kEditId = 26198;
constexpr int kSummaryChars = 39;

int screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 1024;
}

} // namespace

WPostIt::WPostIt(const Options& options)
    : QWidget(nullptr), options_(options), edit_(new StickumEdit(this)),
      lineHeight_(QFontMetrics(stickumFont(options)).height()), background_(options.stickumColor) {
    setWindowTitle(l10n::text(msg::StickumTitle));
    edit_->setObjectName(QStringLiteral("edit%1").arg(kEditId));
    edit_->setGeometry(0, 0, 30, 30);
    edit_->setLineHeight(lineHeight_);
    setGeometry(0, 0, screenWidth() / 8, options.heightInLines * lineHeight_ + 2);
    applyLook();
    connect(edit_->document(), &QTextDocument::contentsChanged, this, &WPostIt::textChanged);
    // At fractional scales the border goes over the edit, which would cover its bottom.
    if (FrameOnTop::needed()) new FrameOnTop(this, [this](QPainter& p) { drawBorder(p); });
}

void WPostIt::drawBorder(QPainter& p) const {
    p.setPen(desktop::windowFrame(palette()));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WPostIt::setContent(const std::string& text) {
    setShownContent(toEditText(text));
}

void WPostIt::setShownContent(const QString& shown) {
    // The same text again (a show pass, the same note read afresh) leaves the caret and what
    // is being typed where they are.
    if (shown == edit_->toPlainText()) return;
    edit_->setText(shown);
    applyScrollBarRule();
}

std::string WPostIt::getContent(std::size_t capacity) const {
    if (capacity == 0) return {};
    return fromEditText(edit_->toPlainText(), capacity - 1);
}

void WPostIt::setEditable(bool editable) {
    edit_->setEditable(editable);
}

void WPostIt::setBackgroundColor(ColorRef color) {
    if (color == background_) return;
    background_ = color;
    update();
}

bool WPostIt::scrollBarShown() const {
    return edit_->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
}

QString WPostIt::summaryText() const {
    QString text = edit_->storedText().left(kSummaryChars);
    if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void WPostIt::setUp() {
    if (options_.dimensionMode == DimensionMinimum) {
        layoutEdit();
        lineCount_ = edit_->lineCount();
        resize(width(), lineCount_ * lineHeight_ + 13);
    }
    layoutEdit();
}

void WPostIt::layoutEdit() {
    edit_->setGeometry(1, 1, std::max(width() - 2, 0), std::max(height() - 2, 0));
    const int bar = scrollBarShown() ? edit_->verticalScrollBar()->sizeHint().width() : 0;
    edit_->setWrapWidth(edit_->width() - bar);
    applyScrollBarRule();
}

void WPostIt::applyScrollBarRule() {
    const int visible = lineHeight_ > 0 ? edit_->height() / lineHeight_ : 0;
    const bool show = options_.scrollBar && edit_->lineCount() > visible;
    if (show == scrollBarShown()) return;
    edit_->setVerticalScrollBarPolicy(show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int bar = show ? edit_->verticalScrollBar()->sizeHint().width() : 0;
    edit_->setWrapWidth(edit_->width() - bar);
}

void WPostIt::fitToText() {
    if (options_.dimensionMode != DimensionMinimum || !frame_ || fitting_) return;
    // A rolled-up Stickum fits itself again once it is unrolled.
    if (frame_->rolledUp()) return;
    const int c = edit_->lineCount();
    if (c == lineCount_) return;
    lineCount_ = c;
    const int delta = c * lineHeight_ + 2 - height();
    if (delta == 0) return;
    fitting_ = true;
    frame_->resizeKeepingTopLeft(frame_->width(), frame_->height() + delta);
    fitting_ = false;
}

void WPostIt::textChanged() {
    fitToText();
    applyScrollBarRule();
}

void WPostIt::applyLook() {
    if (options_.stickumFont) {
        const QFont font = stickumFont(options_);
        if (edit_->font() != font) edit_->setFont(font);
    }
    QPalette pal = edit_->palette();
    const QColor base = toQColor(options_.stickumColor);
    const QColor text = toQColor(options_.textColor);
    if (pal.color(QPalette::Base) != base || pal.color(QPalette::Text) != text) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(group, QPalette::Base, base);
            pal.setColor(group, QPalette::Text, text);
        }
        edit_->setPalette(pal);
    }
}

void WPostIt::paintEvent(QPaintEvent*) {
    applyLook();
    QPainter p(this);
    p.fillRect(rect(), toQColor(background_));
    drawBorder(p);
}

void WPostIt::resizeEvent(QResizeEvent*) {
    layoutEdit();
}
