#pragma once

#include "core/date_value.h"

#include <QDate>
#include <QWidget>

#include <string_view>

class QPushButton;

namespace chronavell {

class DatePicker;
class Hotspot;
class Picture;
class Shape;
class TextLabel;

// The first page: the Imperial date of the picked day over a winged emblem, and a saying
// that changes when clicked.
class CurrentDatePage : public QWidget
{
    Q_OBJECT

public:
    explicit CurrentDatePage(QWidget* parent = nullptr);

    // The picked day as the calendar core takes it, and the text of its Imperial date.
    CivilDate pickedDate() const;
    QString pickedImperialDate() const;
    // The program's own setting of the day, which the picker keeps within its range: the
    // Imperial date shows the day the picker holds; no pickedDayChanged() follows.
    void setPickedDay(QDate day);
    // A day picked for the user, as the calendar would: pickedDayChanged() follows when it is
    // another day.
    void pickDay(QDate day);
    // The region's short date format, in which the picker shows its day.
    void setDateFormat(const QString& format);

    // Shows a saying: 8-bit text, as the sayings file holds it, already cut to what a label
    // can show (PickSaying).
    void showSaying(std::string_view saying);

signals:
    // The user picked another day; the page shows its Imperial date already.
    void pickedDayChanged();
    // The user asked for another saying.
    void sayingRequested();
    // The user asked for today in the picker.
    void todayRequested();

private:
    void copyImperialDate() const;
    void showPickedDay();

    // In painting order; the two windowed controls lie above the rest.
    Shape* background_;
    Picture* emblem_;
    TextLabel* saying_;
    TextLabel* imperialDate_;
    Picture* warriors_;
    TextLabel* registeredMark_;
    DatePicker* picker_;
    QPushButton* newSaying_;
    Hotspot* sayingArea_;
};

} // namespace chronavell
