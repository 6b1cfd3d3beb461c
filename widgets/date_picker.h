#pragma once

#include <QDateEdit>

namespace chronavell {

// A date edit whose month calendar drops down below it. The whole control shows the pointing
// hand, its text as well as its arrow; the calendar keeps the desktop's own colours whatever
// colours the box is given, so that its weekday row and days stay legible; and the calendar
// opens from the keyboard with Alt+Down or F4, as a drop-down list does.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

    void showCalendar();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void prepareCalendar();
    QPoint arrowCentre() const;

    bool calendarPrepared_ = false;
};

} // namespace chronavell
