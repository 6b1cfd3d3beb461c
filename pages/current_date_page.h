#pragma once

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

    QDate pickedDay() const;
    // The program's own setting of the day: no pickedDayChanged() follows.
    void setPickedDay(QDate day);
    // A day picked for the user, as the calendar would: pickedDayChanged() follows when it is
    // another day.
    void pickDay(QDate day);
    // The region's short date format, in which the picker shows its day.
    void setDateFormat(const QString& format);

    // Shows the Imperial date of a date value.
    void showImperialDate(double date);
    // Shows a saying: 8-bit text, as the sayings file holds it, already cut to what a label
    // can show (PickSaying).
    void showSaying(std::string_view saying);

signals:
    // The user picked another day.
    void pickedDayChanged();
    // The user asked for another saying.
    void sayingRequested();
    // The user asked for today in the picker.
    void todayRequested();

private:
    void copyImperialDate() const;

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
