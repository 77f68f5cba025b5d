#include "model/catalogue.h"
#include "model/formats.h"
#include "model/postit.h"

#include <gtest/gtest.h>

TEST(Formats, DateInWordsTakesEnglishOrdinals) {
    const char* expected[] = {"March 1st 2000",  "March 2nd 2000",  "March 3rd 2000",
                              "March 4th 2000",  "March 11th 2000", "March 12th 2000",
                              "March 13th 2000", "March 21st 2000", "March 22nd 2000",
                              "March 23rd 2000", "March 31st 2000"};
    const int days[] = {1, 2, 3, 4, 11, 12, 13, 21, 22, 23, 31};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(formatDateInWords(makeDate(days[i], 3, 2000)), expected[i]);
    EXPECT_EQ(formatDateInWords(makeDate(5, 1, 1998)), "January 5th 1998");
}

TEST(Formats, LongestDateInWordsFitsNineteenCharacters) {
    EXPECT_EQ(formatDateInWords(makeDate(30, 9, 2000)).size(), 19u);
}

TEST(Formats, NumericDateIsMonthDayYear) {
    EXPECT_EQ(formatNumericDate(makeDate(9, 12, 2001)), "12/09/2001");
    EXPECT_EQ(formatNumericDate(makeDate(5, 1, 1998)), "01/05/1998");
}

// What a lending's and a reminder's Stickum says, with a date and without one.
TEST(Formats, RecordTextsNameThePersonTheDayAndTheThing) {
    Prestito lending;
    lending.setPerson("Ann");
    lending.setText("book");
    lending.setDate(makeDate(5, 1, 1998));
    lending.setIOwe(true);
    EXPECT_EQ(lending.displayText(), "Ann:\r\n it's since January 5th 1998 I owe him:\r\nbook");
    lending.setIOwe(false);
    EXPECT_EQ(lending.displayText(), "Ann:\r\n it's since January 5th 1998 he owes me:\r\nbook");
    Appointement reminder;
    reminder.setText("dentist");
    reminder.setDate(makeDate(22, 3, 1999));
    EXPECT_EQ(reminder.displayText(), "March 22nd 1999:\r\ndentist");

    lending.setDate(kNoDate);
    EXPECT_EQ(lending.displayText(), "Ann:\r\n he owes me (no date given):\r\nbook");
    lending.setIOwe(true);
    EXPECT_EQ(lending.displayText(), "Ann:\r\n I owe him (no date given):\r\nbook");
    reminder.setDate(kNoDate);
    EXPECT_EQ(reminder.displayText(), "No date given:\r\ndentist");
    EXPECT_EQ(formatNumericDate(kNoDate), "no date");
}

TEST(Formats, LongestLendingTextIsKeptWhole) {
    const std::string person(49, 'p');
    const std::string text(255, 't');
    EXPECT_EQ(formatOwesMe(makeDate(30, 9, 2000), person, text).size(), 352u);
    EXPECT_EQ(formatReminder(makeDate(30, 9, 2000), text).size(), 277u);
}

TEST(Catalogue, MonthNamesAreLookedUpByNumber) {
    EXPECT_STREQ(msg::monthName(1), "January");
    EXPECT_STREQ(msg::monthName(12), "December");
    EXPECT_STREQ(msg::monthName(0), "");
    EXPECT_STREQ(msg::monthName(13), "");
}
