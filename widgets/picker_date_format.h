#pragma once

#include <QLocale>
#include <QString>

namespace chronavell {

// The region's short date format for the date picker, its year always four digits: with two,
// most of the years the program handles could be neither shown nor typed.
QString PickerDateFormat(const QLocale& locale);

} // namespace chronavell
