#include "widgets/text_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace chronavell {

TextLabel::TextLabel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void TextLabel::setText(const QString& text)
{
    if (text_ != text) {
        text_ = text;
        update();
    }
}

void TextLabel::setAlignment(Qt::Alignment alignment)
{
    if (alignment_ != alignment) {
        alignment_ = alignment;
        update();
    }
}

void TextLabel::setWordWrap(bool on)
{
    if (wordWrap_ != on) {
        wordWrap_ = on;
        update();
    }
}

void TextLabel::setShowMnemonic(bool on)
{
    if (showMnemonic_ != on) {
        showMnemonic_ = on;
        update();
    }
}

void TextLabel::setTextColour(const QColor& colour)
{
    if (colour_ != colour) {
        colour_ = colour;
        update();
    }
}

int TextLabel::drawFlags() const
{
    int flags = static_cast<int>(alignment_);
    flags |= wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine;
    if (showMnemonic_) {
        flags |= Qt::TextShowMnemonic;
    }
    return flags;
}

void TextLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(colour_);
    painter.setFont(font());
    // Text that does not fit is cut off at the label's edges.
    painter.setClipRect(rect());
    painter.drawText(rect(), drawFlags(), text_);
}

void TextLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void TextLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

} // namespace chronavell
