#pragma once

#include <QDateEdit>

namespace chronavell {

// A date edit whose month calendar drops down below it. The whole control shows the pointing
// hand, its text as well as its arrow; the calendar keeps the desktop's own colours whatever
// colours the box is given, so that its weekday row and days stay legible; and the calendar
// opens from the keyboard with Alt+Down or F4, as a drop-down list does.
//
// Copy with nothing selected in the text is left to the window's own shortcut, and the
// actions the owner adds to the picker follow Qt's own in its context menu. The way back to
// today is asked for, not taken: the picker does not know the day.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(QWidget* parent = nullptr);

    void showCalendar();

signals:
    // Ctrl+Home in the text, Home in the calendar, or the calendar's Today button.
    void todayRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void prepareCalendar();
    QPoint arrowCentre() const;

    bool calendarPrepared_ = false;
};

} // namespace chronavell
