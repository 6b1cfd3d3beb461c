#include "app/caption_time_format.h"
#include "support/qt_printers.h"
#include "widgets/picker_date_format.h"

#include <gtest/gtest.h>

namespace chronavell {
namespace {

TEST(CaptionTimeFormat, RegionsOfBothDials)
{
    struct Case
    {
        QLocale Locale;
        QTime Time;
        QString Expected;
    };
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale germany(QLocale::German, QLocale::Germany);
    const QLocale korea(QLocale::Korean, QLocale::SouthKorea);
    const QLocale finland(QLocale::Finnish, QLocale::Finland);
    for (const Case& c : {
             Case{us, QTime(19, 7, 5), "7:07:05 PM"},
             Case{us, QTime(7, 7, 5), "7:07:05 AM"},
             Case{us, QTime(12, 0, 0), "12:00:00 PM"},
             Case{us, QTime(0, 0, 59), "12:00:59 AM"},
             Case{germany, QTime(7, 7, 5), "07:07:05"},
             Case{germany, QTime(19, 7, 5), "19:07:05"},
             // The designator before the time, with a blank after it.
             Case{korea, QTime(19, 7, 5), korea.pmText() + " 7:07:05"},
             // Another separator, and no leading zero on a 24-hour dial.
             Case{finland, QTime(7, 7, 5), "7.07.05"},
         }) {
        EXPECT_EQ(CaptionTimeFormat::fromLocale(c.Locale).text(c.Time), c.Expected)
            << c.Locale.name().toStdString() << " "
            << c.Locale.timeFormat(QLocale::LongFormat).toStdString();
    }
}

TEST(CaptionTimeFormat, QuotedLettersAreNoFields)
{
    // A region whose format holds a quoted literal with an 'a' must stay on the 24-hour dial.
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    const CaptionTimeFormat format = CaptionTimeFormat::fromLocale(locale);
    EXPECT_FALSE(format.TwelveHour) << locale.timeFormat(QLocale::LongFormat).toStdString();
    EXPECT_EQ(format.text(QTime(19, 7, 5)), "19:07:05");
}

TEST(PickerDateFormat, YearAlwaysHasFourDigits)
{
    EXPECT_EQ(PickerDateFormat(QLocale(QLocale::English, QLocale::UnitedStates)), "M/d/yyyy");
    EXPECT_EQ(PickerDateFormat(QLocale(QLocale::German, QLocale::Germany)), "dd.MM.yyyy");
    const QLocale c(QLocale::C);
    EXPECT_TRUE(PickerDateFormat(c).contains("yyyy"));
    EXPECT_FALSE(PickerDateFormat(c).contains("yyyyy"));
}

} // namespace
} // namespace chronavell
