#pragma once

#include "widgets/digit_field.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace chronavell {

// A reader reads and follows the positions as text, and edits them as typing would: what it
// writes overwrites positions, what it deletes leaves them unfilled, and the field's owner
// puts the row in order after each change, as after a key.
class DigitFieldAccessible : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface
{
public:
    explicit DigitFieldAccessible(DigitField* field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value) {
            return field()->text();
        }
        QString base = QAccessibleWidget::text(type);
        // The page's captions are painted into its background picture, so the tool tip
        // is the only text that names a field.
        if (type == QAccessible::Name && base.isEmpty()) {
            return field()->toolTip();
        }
        return base;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        return state;
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
        if (selectionIndex == 0 && selectionCount() == 1) {
            *startOffset = field()->selectionStart();
            *endOffset = *startOffset + field()->selectionLength();
        }
    }

    // The cursor covering one position is no selection to a reader.
    int selectionCount() const override { return field()->selectionLength() > 1 ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        field()->setSelection(startOffset, endOffset - startOffset);
    }
    void removeSelection(int /*selectionIndex*/) override
    {
        field()->setCursorPosition(field()->cursorPosition());
    }
    void setSelection(int /*selectionIndex*/, int startOffset, int endOffset) override
    {
        addSelection(startOffset, endOffset);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }

    QString text(int startOffset, int endOffset) const override
    {
        const int start = std::clamp(startOffset, 0, characterCount());
        const int end = std::clamp(endOffset, start, characterCount());
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return field()->positions(); }
    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount()) {
            return {};
        }
        const QRect local = field()->positionRect(offset);
        return {field()->mapToGlobal(local.topLeft()), local.size()};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = field()->mapFromGlobal(point);
        return field()->rect().contains(local) ? field()->positionAt(local) : -1;
    }
    // Every position is always in view.
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

    void deleteText(int startOffset, int endOffset) override
    {
        overwrite(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { overwrite(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        overwrite(startOffset, endOffset, text);
    }

private:
    DigitField* field() const { return static_cast<DigitField*>(widget()); }

    // Leaves the positions from start to end unfilled, then writes the digits of `text` from
    // start on, as far as the row goes, in one change; the cursor ends after the last.
    void overwrite(int startOffset, int endOffset, const QString& text)
    {
        QString content = field()->text();
        const int start = std::clamp(startOffset, 0, characterCount());
        const int end = std::clamp(endOffset, start, characterCount());
        content.replace(start, end - start, QString(end - start, u' '));
        int position = start;
        for (const QChar character : text) {
            if (position < characterCount() && character >= u'0' && character <= u'9') {
                content[position++] = character;
            }
        }
        field()->setCursorPosition(position);
        field()->setText(content);
    }
};

} // namespace chronavell
