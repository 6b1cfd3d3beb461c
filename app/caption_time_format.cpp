#include "app/caption_time_format.h"

#include <algorithm>

namespace chronavell {
namespace {

bool IsHour(QChar c)
{
    return c == u'h' || c == u'H';
}

bool IsDesignator(QChar c)
{
    return c == u'a' || c == u'A';
}

// The format with its quoted literals blanked out, so that letters inside quotes are not
// taken for fields.
QString FieldsOnly(const QString& format)
{
    QString fields = format;
    bool quoted = false;
    for (QChar& c : fields) {
        if (c == u'\'') {
            quoted = !quoted;
            c = u' ';
        } else if (quoted) {
            c = u' ';
        }
    }
    return fields;
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

CaptionTimeFormat CaptionTimeFormat::fromLocale(const QLocale& locale)
{
    CaptionTimeFormat result;
    const QString format = locale.timeFormat(QLocale::LongFormat);
    const QString fields = FieldsOnly(format);

    const auto hour = std::find_if(fields.cbegin(), fields.cend(), IsHour);
    const auto designator = std::find_if(fields.cbegin(), fields.cend(), IsDesignator);
    result.TwelveHour = designator != fields.cend();
    result.DesignatorFirst = result.TwelveHour && designator < hour;
    if (hour != fields.cend()) {
        const auto hourEnd = std::find_if_not(hour, fields.cend(), IsHour);
        result.LeadingZero = hourEnd - hour >= 2;
        const auto minute = std::find(hourEnd, fields.cend(), u'm');
        const auto first = format.cbegin() + (hourEnd - fields.cbegin());
        const auto last = format.cbegin() + (minute - fields.cbegin());
        QString separator(first, last - first);
        separator.remove(u'\'');
        // Regions that write the units out ("7시 07분") have no separator to speak of;
        // the colon stands in for them.
        const bool punctuation = std::all_of(separator.cbegin(), separator.cend(),
                                             [](QChar c) { return c.isPunct() || c.isSpace(); });
        if (!separator.isEmpty() && punctuation) {
            result.Separator = separator;
        }
    }
    result.Morning = locale.amText();
    result.Afternoon = locale.pmText();
    return result;
}

QString CaptionTimeFormat::text(QTime time) const
{
    int hour = time.hour();
    if (TwelveHour) {
        hour = hour % 12 == 0 ? 12 : hour % 12;
    }
    QString result = LeadingZero ? TwoDigits(hour) : QString::number(hour);
    result += Separator + TwoDigits(time.minute());
    result += Separator + TwoDigits(time.second());
    if (!TwelveHour) {
        return result;
    }
    const QString& designator = time.hour() < 12 ? Morning : Afternoon;
    return DesignatorFirst ? designator + u' ' + result : result + u' ' + designator;
}

} // namespace chronavell
