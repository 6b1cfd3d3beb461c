#include "widgets/text_label.h"

#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace chronavell {

QString WithoutMnemonics(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size()) {
            break;
        }
        shown += caption[i];
    }
    return shown;
}

TextLabel::TextLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TextLabel::setTextColour(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
}

void TextLabel::setShowMnemonic(bool on)
{
    if (showMnemonic_ != on) {
        showMnemonic_ = on;
        update();
    }
}

QSize TextExtent(const QFont& font, int flags, const QString& text)
{
    const QFontMetrics metrics(font);
    const QSize laidOut = metrics.size(flags, text);
    const QString shown = (flags & Qt::TextShowMnemonic) != 0 ? WithoutMnemonics(text) : text;
    const QRect inked = metrics.boundingRect(shown).translated(0, metrics.ascent());
    return {std::max(laidOut.width(), inked.right() + 1),
            std::max(laidOut.height(), inked.bottom() + 1)};
}

void TextLabel::fitToText()
{
    resize(TextExtent(font(), drawFlags(), text()));
}

int TextLabel::drawFlags() const
{
    int flags = static_cast<int>(alignment());
    flags |= wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    if (showMnemonic_) {
        flags |= Qt::TextShowMnemonic;
    }
    return flags;
}

void TextLabel::paintEvent(QPaintEvent* event)
{
    if (!showMnemonic_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), drawFlags(), palette(), isEnabled(), text(),
                          foregroundRole());
}

} // namespace chronavell
