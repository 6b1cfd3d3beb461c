#include "widgets/text_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

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
        update();
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
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

} // namespace chronavell
