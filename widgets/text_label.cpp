#include "widgets/text_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace chronavell {
namespace {

// The caption is the label's name; its hint, or else the caption again, describes it.
class TextLabelAccessible : public QAccessibleWidget
{
public:
    explicit TextLabelAccessible(TextLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        QString text = QAccessibleWidget::text(type);
        if (!text.isEmpty()) {
            return text;
        }
        const auto* label = static_cast<const TextLabel*>(widget());
        if (type == QAccessible::Name || type == QAccessible::Value) {
            return label->plainText();
        }
        if (type == QAccessible::Description) {
            return label->toolTip().isEmpty() ? label->plainText() : label->toolTip();
        }
        return text;
    }
};

QAccessibleInterface* TextLabelAccessibleFactory(const QString& className, QObject* object)
{
    auto* label = qobject_cast<TextLabel*>(object);
    if (label != nullptr && className == QLatin1String(TextLabel::staticMetaObject.className())) {
        return new TextLabelAccessible(label);
    }
    return nullptr;
}

} // namespace

TextLabel::TextLabel(QWidget* parent) : Hotspot(parent)
{
    [[maybe_unused]] static const bool accessibleInstalled =
        (QAccessible::installFactory(&TextLabelAccessibleFactory), true);
}

QString TextLabel::plainText() const
{
    if (!showMnemonic_) {
        return text_;
    }
    // What the reader hears is what the eye sees: single ampersands only mark a letter.
    QString plain;
    plain.reserve(text_.size());
    for (qsizetype i = 0; i < text_.size(); ++i) {
        if (text_[i] == u'&' && i + 1 < text_.size()) {
            ++i;
        } else if (text_[i] == u'&') {
            continue;
        }
        plain += text_[i];
    }
    return plain;
}

void TextLabel::setText(const QString& text)
{
    if (text_ != text) {
        text_ = text;
        textLaidOutAgain();
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TextLabel::setAlignment(Qt::Alignment alignment)
{
    if (alignment_ != alignment) {
        alignment_ = alignment;
        textLaidOutAgain();
    }
}

void TextLabel::setWordWrap(bool on)
{
    if (wordWrap_ != on) {
        wordWrap_ = on;
        textLaidOutAgain();
    }
}

void TextLabel::setShowMnemonic(bool on)
{
    if (showMnemonic_ != on) {
        showMnemonic_ = on;
        textLaidOutAgain();
    }
}

void TextLabel::setTextColour(const QColor& colour)
{
    if (colour_ != colour) {
        colour_ = colour;
        update();
    }
}

void TextLabel::setAutoSize(bool on)
{
    if (autoSize_ != on) {
        autoSize_ = on;
        watchParent();
        textLaidOutAgain();
    }
}

QSize TextLabel::sizeHint() const
{
    return textExtent();
}

QSize TextLabel::textExtent() const
{
    const QFontMetrics metrics(font());
    const QSize laidOut = metrics.size(drawFlags(), text_);
    // An italic face leans past its last advance: the ink is measured too, so that none of
    // it is clipped.
    const QRect inked = metrics.boundingRect(plainText()).translated(0, metrics.ascent());
    return {std::max(laidOut.width(), inked.right() + 1),
            std::max(laidOut.height(), inked.bottom() + 1)};
}

void TextLabel::watchParent()
{
    // The parent's showing is the moment: a label hidden itself never gets a show event, but
    // it is still where a click on its place lands on the page.
    if (autoSize_ && parentWidget() != nullptr) {
        parentWidget()->installEventFilter(this);
    }
}

void TextLabel::textLaidOutAgain()
{
    const QWidget* holder = parentWidget() != nullptr ? parentWidget() : this;
    if (autoSize_ && holder->isVisible()) {
        resize(textExtent());
    }
    update();
}

void TextLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        textLaidOutAgain();
    }
    Hotspot::changeEvent(event);
}

bool TextLabel::event(QEvent* event)
{
    if (event->type() == QEvent::ParentAboutToChange && parentWidget() != nullptr) {
        parentWidget()->removeEventFilter(this);
    } else if (event->type() == QEvent::ParentChange) {
        watchParent();
        textLaidOutAgain();
    } else if (event->type() == QEvent::Show && parentWidget() == nullptr) {
        textLaidOutAgain();
    }
    return Hotspot::event(event);
}

bool TextLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (autoSize_ && watched == parentWidget() && event->type() == QEvent::Show) {
        resize(textExtent());
    }
    return Hotspot::eventFilter(watched, event);
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

} // namespace chronavell
