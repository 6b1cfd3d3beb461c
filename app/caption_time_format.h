#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

namespace chronavell {

// How the caption clock writes the time of day, taken from the region's long time format:
// hour (12- or 24-hour dial, with or without a leading zero), minutes and seconds of two
// digits each behind the region's separator, and the morning or afternoon designator before
// or after the time on a 12-hour dial.
struct CaptionTimeFormat
{
    bool TwelveHour = false;
    bool LeadingZero = false;
    QString Separator = QStringLiteral(":");
    QString Morning;
    QString Afternoon;
    bool DesignatorFirst = false;

    static CaptionTimeFormat fromLocale(const QLocale& locale);
    QString text(QTime time) const;
};

} // namespace chronavell
