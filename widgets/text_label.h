#pragma once

#include <QWidget>

namespace chronavell {

// A caption drawn straight onto its parent, with no background of its own. Its text is
// always plain: nothing in it is read as markup, whatever it looks like. With mnemonics on,
// an ampersand underlines the character after it and "&&" shows one ampersand.
class TextLabel : public QWidget
{
    Q_OBJECT

public:
    explicit TextLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool on);
    void setShowMnemonic(bool on);
    void setTextColour(const QColor& colour);
    QColor textColour() const { return colour_; }

    // The flags the text is laid out with, for measuring it as it is drawn.
    int drawFlags() const;

signals:
    // A press and a release of the left button, both on the label.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap_ = false;
    bool showMnemonic_ = false;
    bool pressed_ = false;
    QColor colour_ = Qt::black;
};

} // namespace chronavell
