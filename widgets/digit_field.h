#pragma once

#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace chronavell {

// Every space becomes "0"; nothing else changes and the length stays. The field handlers
// use it to fill the positions a user left unfilled.
QString BlanksToZeros(QString text);

// A row of a fixed number of digit positions, each holding one decimal digit or unfilled,
// edited in place: a block cursor always covers one position and a typed digit overwrites
// it. Unfilled positions show "*" and read as spaces.
//
// changed() is emitted synchronously for every change of the content, before the call or key
// press that caused it returns, and never for a write of the content already there. Its
// handlers may write into the field again; each such write re-enters them.
class DigitField : public QWidget
{
    Q_OBJECT

public:
    // The bound texts stand in for written numbers the row cannot hold: the lower one for a
    // negative number, the upper one for a text longer than the row.
    DigitField(int positions, const QString& lowerBoundText, const QString& upperBoundText,
               QWidget* parent = nullptr);

    int positions() const { return positions_; }

    // Always positions() characters; an unfilled position reads as a space, in place.
    QString text() const { return content_; }
    // A text of positions() characters is written position by position, a space leaving
    // the position unfilled; a shorter one takes the last positions and leaves the leading
    // ones unfilled. Any character other than a digit or a space also leaves its position
    // unfilled.
    void setText(const QString& text);
    // What the field shows: text() with "*" for every unfilled position.
    QString displayText() const;

    int cursorPosition() const { return cursor_; }
    // Collapses any selection onto the position.
    void setCursorPosition(int position);
    // The positions that Delete and a typed digit work on: the cursor's alone unless a
    // larger selection exists.
    int selectionStart() const { return std::min(anchor_, cursor_); }
    int selectionLength() const { return std::abs(cursor_ - anchor_) + 1; }
    // The cursor ends on the last selected position.
    void setSelection(int start, int length);
    void selectAll();

    // Where a position is drawn, in widget coordinates, and the position under a point
    // (the nearest one for a point beside the row).
    QRect positionRect(int position) const;
    int positionAt(const QPoint& point) const;

    QSize sizeHint() const override;

signals:
    void changed();
    // Return or Enter, and the keys of the clipboard: what they mean is the page's to say.
    void enterPressed();
    void copyRequested();
    void pasteRequested();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int clamped(int position) const { return std::clamp(position, 0, positions_ - 1); }
    int frameWidth() const;
    int cellWidth() const;
    void placeCursor(int anchor, int cursor);
    void typeDigit(QChar digit);
    void clearPositions(int start, int length);
    void replaceContent(const QString& content);

    int positions_;
    QString lowerBoundText_;
    QString upperBoundText_;
    QString content_;
    int anchor_ = 0;
    int cursor_ = 0;
};

} // namespace chronavell
