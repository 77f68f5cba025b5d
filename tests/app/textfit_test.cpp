// Every control of every page shows its whole text and the widest value it may hold, with the
// fonts Debian installs, in every language Quillbox speaks; run once more at a scale factor of
// 1.5. No two controls of a page take the same Alt+letter.
#include "app/myapp.h"
#include "app/mydialog.h"
#include "fakes.h"
#include "look/l10n.h"
#include "pages/optionstepedit.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <tuple>

#include <gtest/gtest.h>

namespace {

QString shownText(QString text) {
    text.remove(u'&');
    return text;
}

int advance(const QWidget* w, const QString& text) {
    return w->fontMetrics().horizontalAdvance(shownText(text));
}

QString where(const QWidget* w) {
    QString path = QString::fromLatin1(w->metaObject()->className());
    for (const QWidget* up = w->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (!up->objectName().isEmpty()) path = up->objectName() + '/' + path;
    return path;
}

class TextFit {
public:
    void check(QWidget* w) {
        if (auto* b = qobject_cast<QPushButton*>(w))
            return button(b, QStyle::SE_PushButtonContents);
        if (auto* b = qobject_cast<QCheckBox*>(w)) return button(b, QStyle::SE_CheckBoxContents);
        if (auto* b = qobject_cast<QRadioButton*>(w))
            return button(b, QStyle::SE_RadioButtonContents);
        if (auto* l = qobject_cast<QLabel*>(w)) return label(l);
        if (auto* g = qobject_cast<QGroupBox*>(w)) return groupBox(g);
        if (auto* s = qobject_cast<QSpinBox*>(w)) return spinBox(s, s->minimum(), s->maximum());
        if (auto* s = qobject_cast<OptionStepEdit*>(w)) return stepEdit(s);
        if (auto* t = qobject_cast<QTabBar*>(w)) return tabBar(t);
    }

    QStringList cut;

private:
    void report(const QWidget* w, const QString& text, int needed, int room) {
        if (needed > room)
            cut << QStringLiteral("%1 \"%2\": %3 > %4").arg(where(w), text).arg(needed).arg(room);
    }

    void button(QAbstractButton* b, QStyle::SubElement contents) {
        if (b->text().isEmpty()) return;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        opt.rect = b->rect();
        const QRect room = b->style()->subElementRect(contents, &opt, b);
        report(b, b->text(), advance(b, b->text()), room.width());
    }

    void label(QLabel* l) {
        if (l->text().isEmpty() || !l->pixmap().isNull()) return;
        const QRect room = l->contentsRect();
        if (l->wordWrap())
            report(l, l->text(), l->heightForWidth(room.width()), room.height());
        else
            report(l, l->text(), advance(l, l->text()), room.width());
    }

    void groupBox(QGroupBox* g) {
        if (g->title().isEmpty()) return;
        const int needed = advance(g, g->title()) + 2 * g->fontMetrics().horizontalAdvance(u' ');
        report(g, g->title(), needed, g->width());
    }

    // The field shows each value its range allows (the widest ones when there are many).
    void spinBox(QSpinBox* s, int minimum, int maximum) {
        const int was = s->value();
        const bool quiet = s->blockSignals(true);
        for (int v = minimum; v <= maximum;
             v = maximum - minimum > 400 && v < maximum ? maximum : v + 1) {
            s->setValue(v);
            field(s, s->text());
        }
        s->setValue(was);
        s->blockSignals(quiet);
    }

    void stepEdit(OptionStepEdit* s) {
        const int was = s->position();
        for (int v : {s->minimum(), s->maximum()}) {
            s->setPosition(v);
            field(s, QString::number(v));
        }
        s->setPosition(was);
    }

    void field(QAbstractSpinBox* s, const QString& text) {
        const QLineEdit* edit = s->findChild<QLineEdit*>();
        // QLineEdit keeps two pixels on either side of its text.
        const QMargins margins = edit->textMargins();
        const int room = edit->contentsRect().width() - margins.left() - margins.right() - 4;
        report(s, text, advance(edit, text), room);
    }

    void tabBar(QTabBar* t) {
        const int space = t->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t);
        for (int i = 0; i < t->count(); ++i)
            report(t, t->tabText(i), advance(t, t->tabText(i)) + space, t->tabRect(i).width());
    }
};

// The Alt+letters of a page's texts that another text of the page takes too.
QStringList sharedMnemonics(const QList<QWidget*>& controls) {
    QMap<QChar, QString> taken;
    QStringList shared;
    for (QWidget* w : controls) {
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) text = l->buddy() ? l->text() : QString();
        if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
        const qsizetype at = text.replace(QLatin1String("&&"), QString()).indexOf(u'&');
        if (!w->isVisibleTo(w->window()) || at < 0 || at + 1 >= text.size()) continue;
        const QChar letter = text.at(at + 1).toLower();
        if (taken.contains(letter)) shared << taken[letter] + QStringLiteral(" and ") + text;
        taken[letter] = text;
    }
    return shared;
}

// A font and a language ("" English).
using FontAndLanguage = std::tuple<const char*, const char*>;

class TextsFit : public ::testing::TestWithParam<FontAndLanguage> {
protected:
    void SetUp() override {
        const QString family = QString::fromLatin1(std::get<0>(GetParam()));
        if (!QFontDatabase::families().contains(family))
            GTEST_SKIP() << family.toStdString() << " is not installed";
        saved = QApplication::font();
        QFont font = saved;
        font.setFamilies({family});
        QApplication::setFont(font);
        l10n::speak(QString::fromLatin1(std::get<1>(GetParam())));
    }
    void TearDown() override {
        app.reset();
        QApplication::setFont(saved);
        l10n::speak({});
    }

    QFont saved;
    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    std::unique_ptr<MyApp> app;
};

TEST_P(TextsFit, EveryControlOfEveryPageShowsItsWholeText) {
    app = quillboxInProcess(dir.path(), boxes);
    ASSERT_FALSE(app->initMainWindow().has_value());
    MyDialog* dialog = app->dialog();
    QCoreApplication::processEvents(); // the pages' last fitting, once they are built
    TextFit fit;
    QStringList shared;
    const QList<QWidget*> frame = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < MyDialog::kPageCount; ++i) {
        dialog->findChild<QTabWidget*>()->setCurrentIndex(i);
        QWidget* page = dialog->page(i);
        page->setObjectName(dialog->findChild<QTabWidget*>()->tabText(i));
        for (QWidget* w : page->findChildren<QWidget*>())
            if (w->isVisibleTo(page)) fit.check(w);
        shared << sharedMnemonics(page->findChildren<QWidget*>() + frame);
    }
    for (QWidget* w : frame)
        fit.check(w);
    fit.check(dialog->findChild<QTabWidget*>()->tabBar());
    EXPECT_TRUE(fit.cut.isEmpty()) << fit.cut.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(shared.isEmpty()) << shared.join(QLatin1Char('\n')).toStdString();
}

// Built twice: the second program runs scaled by 1.5, its tests named apart.
#ifdef QB_SCALED
#define QB_FONTS DebianFontsScaled
#else
#define QB_FONTS DebianFonts
#endif
INSTANTIATE_TEST_SUITE_P(QB_FONTS, TextsFit,
                         ::testing::Combine(::testing::Values("DejaVu Sans", "Liberation Sans"),
                                            ::testing::Values("", "de", "fr", "it", "es")),
                         [](const auto& instance) {
                             std::string name = std::get<0>(instance.param);
                             std::erase(name, ' ');
                             const std::string language = std::get<1>(instance.param);
                             return name + '_' + (language.empty() ? "en" : language);
                         });

} // namespace
