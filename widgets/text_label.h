#pragma once

#include <QLabel>

namespace chronavell {

// What the eye sees of a caption shown with mnemonics: single ampersands only mark a letter,
// and "&&" is one ampersand.
QString WithoutMnemonics(const QString& caption);

// The extent of a text drawn with the given flags, the ink of every glyph included: the laid
// out size leaves off what an italic leans past its last advance.
QSize TextExtent(const QFont& font, int flags, const QString& text);

// A caption drawn straight onto its parent in one colour, its text always plain: nothing in
// it is read as markup, whatever it looks like. With mnemonics on, an ampersand underlines
// the character after it and "&&" shows one ampersand, as a button's caption does; a plain
// label would need a buddy control for that.
class TextLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TextLabel(QWidget* parent = nullptr);

    void setTextColour(const QColor& colour);
    void setShowMnemonic(bool on);
    // Keeps the top-left corner and takes the text's extent, the ink of a leaning face
    // included: a label's own size hint leaves off what an italic leans past its last advance.
    void fitToText();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int drawFlags() const;

    bool showMnemonic_ = false;
};

} // namespace chronavell
