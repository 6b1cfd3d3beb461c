#pragma once

#include <QWidget>

class QDateEdit;
class QPushButton;

namespace chronavell {

class Picture;
class Shape;
class TextLabel;

// The first page: the Imperial date of the picked day over a winged emblem, and a saying.
// It only builds and places its controls; the main window gives them their behaviour.
class CurrentDatePage : public QWidget
{
    Q_OBJECT

public:
    explicit CurrentDatePage(QWidget* parent = nullptr);

    // Controls in painting order; the two windowed ones lie above the rest.
    Shape* Shape25;
    Picture* Image2;
    TextLabel* Label2;
    TextLabel* Label1;
    Picture* Image3;
    TextLabel* Label56;
    QDateEdit* DateTimePicker;
    QPushButton* Button1;
};

} // namespace chronavell
