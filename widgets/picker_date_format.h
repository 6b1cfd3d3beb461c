#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace chronavell {

// The region's short date format for the date picker, its year always four digits: with two,
// most of the years the program handles could be neither shown nor typed.
QString PickerDateFormat(const QLocale& locale);

// A day written in the region's short date, in the region's own order of day, month and
// year, the year in four digits: a shorter year cannot say which century it means. Returns
// an invalid date for anything else.
QDate ReadShortDate(const QString& text, const QLocale& locale);

} // namespace chronavell
