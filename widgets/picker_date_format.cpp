#include "widgets/picker_date_format.h"

#include <QRegularExpression>

namespace chronavell {

QString PickerDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        static const QRegularExpression year(QStringLiteral("y+"));
        format.replace(year, QStringLiteral("yyyy"));
    }
    return format;
}

namespace {

// Where the year stands among the numbers of a date written in the format: 0 for the first.
// A month or day written as a name is no number and does not count; -1 for a format without
// a year.
int YearRank(const QString& format)
{
    static const QRegularExpression field(QStringLiteral("y+|M+|d+"));
    int rank = 0;
    for (const QRegularExpressionMatch& match : field.globalMatch(format)) {
        const QString letters = match.captured();
        if (letters.front() == u'y') {
            return rank;
        }
        // Three letters or more write a name.
        if (letters.size() <= 2) {
            ++rank;
        }
    }
    return -1;
}

} // namespace

QDate ReadShortDate(const QString& text, const QLocale& locale)
{
    const QString format = PickerDateFormat(locale);
    const QDate date = locale.toDate(text, format);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999) {
        return {};
    }
    // The reader takes a year of any length for four digits ("05" as the year 5): the year's
    // own digits in the text decide.
    static const QRegularExpression number(QStringLiteral("\\d+"));
    const int yearRank = YearRank(format);
    int rank = 0;
    for (const QRegularExpressionMatch& match : number.globalMatch(text)) {
        if (rank++ == yearRank) {
            return match.capturedLength() == 4 ? date : QDate();
        }
    }
    return {};
}

} // namespace chronavell
