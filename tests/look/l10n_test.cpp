#include "look/l10n.h"

#include "model/catalogue.h"
#include "model/postit.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

namespace {

// The session's variables, and the language Quillbox speaks in it ("" English).
struct Session {
    std::map<std::string, QString> variables;
    QString language;
};

void PrintTo(const Session& session, std::ostream* out) {
    for (const auto& [name, value] : session.variables)
        *out << name << '=' << value.toStdString() << ' ';
}

class SessionLanguage : public ::testing::TestWithParam<Session> {};

TEST_P(SessionLanguage, IsChosenAsGettextChoosesIt) {
    const auto& variables = GetParam().variables;
    const auto environment = [&variables](const char* name) {
        const auto found = variables.find(name);
        return found == variables.end() ? QString() : found->second;
    };
    EXPECT_EQ(l10n::sessionLanguage(environment), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, SessionLanguage,
    ::testing::Values(
        Session{{}, ""}, Session{{{"LANG", "de_DE.UTF-8"}}, "de"},
        Session{{{"LANG", "fr_CA.UTF-8@euro"}}, "fr"},
        // LC_ALL before LC_MESSAGES before LANG.
        Session{{{"LC_ALL", "it_IT.UTF-8"}, {"LC_MESSAGES", "es_ES"}, {"LANG", "de_DE"}}, "it"},
        Session{{{"LC_MESSAGES", "es_ES"}, {"LANG", "de_DE"}}, "es"},
        // LANGUAGE's list comes first: its first language spoken, English ending the search.
        Session{{{"LANGUAGE", "sv:fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
        Session{{{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, ""},
        Session{{{"LANGUAGE", "pt_BR:pt"}, {"LANG", "es_ES.UTF-8"}}, "es"},
        // In the C locale LANGUAGE is not read, as gettext does not.
        Session{{{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, ""},
        Session{{{"LANGUAGE", "de"}, {"LANG", "C.UTF-8"}}, ""},
        Session{{{"LANG", "ja_JP.UTF-8"}}, ""}, Session{{{"LANG", "en_US.UTF-8"}}, ""}));

// What a session in each language shows: the catalogue's texts, dates as the language writes
// them, the alerts of lendings and reminders.
struct Spoken {
    const char* language;
    const char* error;
    const char* numeric;
    const char* inWords;
    const char* iOwe;
    const char* undatedReminder;
};

void PrintTo(const Spoken& spoken, std::ostream* out) {
    *out << spoken.language;
}

class Language : public ::testing::TestWithParam<Spoken> {
protected:
    void SetUp() override { l10n::speak(QString::fromLatin1(GetParam().language)); }
    void TearDown() override { l10n::speak({}); }
};

TEST_P(Language, ShowsTextsDatesAndAlertsInItsOwnWords) {
    const Spoken& s = GetParam();
    const Date date = makeDate(5, 1, 2020);
    EXPECT_EQ(l10n::text(msg::Error), QString::fromUtf8(s.error));
    EXPECT_EQ(l10n::numericDate(date), QString::fromUtf8(s.numeric));
    EXPECT_EQ(l10n::dateInWords(date), QString::fromUtf8(s.inWords));

    Prestito lending;
    lending.setPerson("Ann");
    lending.setText("Buch\r\nund Stift");
    lending.setDate(date);
    lending.setIOwe(true);
    EXPECT_EQ(l10n::displayText(lending), QString::fromUtf8(s.iOwe));
    Appointement reminder;
    reminder.setText("x");
    reminder.setDate(kNoDate);
    EXPECT_EQ(l10n::displayText(reminder), QString::fromUtf8(s.undatedReminder));
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, Language,
    ::testing::Values(
        // English stays exactly as it always was, ordinals and month-first numbers included.
        Spoken{"", "ERROR", "01/05/2020", "January 5th 2020",
               "Ann:\n it's since January 5th 2020 I owe him:\nBuch\nund Stift",
               "No date given:\nx"},
        Spoken{"de", "FEHLER", "05.01.2020", "5. Januar 2020",
               "Ann:\n ich schulde ihm seit dem 5. Januar 2020:\nBuch\nund Stift",
               "Ohne Datum:\nx"},
        Spoken{"fr", "ERREUR", "05/01/2020", "5 janvier 2020",
               "Ann :\n je lui dois depuis le 5 janvier 2020 :\nBuch\nund Stift", "Sans date:\nx"},
        Spoken{"it", "ERRORE", "05/01/2020", "5 gennaio 2020",
               "Ann:\n gli devo dal 5 gennaio 2020:\nBuch\nund Stift", "Senza data:\nx"},
        Spoken{"es", "ERROR", "05/01/2020", "5 de enero de 2020",
               "Ann:\n le debo desde el 5 de enero de 2020:\nBuch\nund Stift", "Sin fecha:\nx"}),
    [](const auto& instance) {
        return std::string(*instance.param.language ? instance.param.language : "en");
    });

TEST(Language, NamesMonthsAndDaysFromTheLocale) {
    l10n::speak(QStringLiteral("de"));
    EXPECT_EQ(l10n::monthName(3), QString::fromUtf8("März"));
    EXPECT_EQ(l10n::weekDayName(1), QStringLiteral("Mo"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    l10n::speak({});
    EXPECT_EQ(l10n::monthName(3), QStringLiteral("March"));
    EXPECT_EQ(l10n::weekDayName(7), QStringLiteral("Sun"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    EXPECT_EQ(l10n::languages(), (QStringList{"de", "es", "fr", "it"}));
}

} // namespace
