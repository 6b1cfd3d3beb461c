#pragma once

#include "widgets/hotspot.h"

namespace chronavell {

// A caption drawn straight onto its parent, with no background of its own. Its text is
// always plain: nothing in it is read as markup, whatever it looks like. With mnemonics on,
// an ampersand underlines the character after it and "&&" shows one ampersand.
class TextLabel : public Hotspot
{
    Q_OBJECT

public:
    explicit TextLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    // The text as it reads on screen, mnemonic ampersands taken out.
    QString plainText() const;
    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool on);
    void setShowMnemonic(bool on);
    void setTextColour(const QColor& colour);
    QColor textColour() const { return colour_; }

    // A label sized to its text keeps its top-left corner and grows or shrinks to the text's
    // extent, the ink of a leaning face included. It is measured when its parent is shown and
    // after each change while the parent is on show, hidden or not itself: a page nobody opens
    // loads no font for it.
    void setAutoSize(bool on);
    QSize sizeHint() const override;

    // The flags the text is laid out with, for measuring it as it is drawn.
    int drawFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void textLaidOutAgain();
    QSize textExtent() const;
    void watchParent();

    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap_ = false;
    bool showMnemonic_ = false;
    bool autoSize_ = false;
    QColor colour_ = Qt::black;
};

} // namespace chronavell
