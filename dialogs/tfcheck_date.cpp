#include "dialogs/tfcheck_date.h"

#include "widgets/form_fonts.h"
#include "widgets/gradient_fill.h"
#include "widgets/place_control.h"
#include "widgets/shape.h"
#include "widgets/text_label.h"

#include <QPointer>
#include <QScopeGuard>
#include <QToolButton>

namespace chronavell {
namespace {

struct ClassEntry
{
    int CaptionTop = 0;
    QRect TextBox;
    const char* Text = nullptr;
};

// Each explanation is cut to its box: the narrower ones at the bottom keep clear of the Close
// button, and the class 6 text stops short of its second line below.
const std::array<ClassEntry, TFCheckDate::ClassCount> Classes{{
    {39,
     {56, 40, 345, 16},
     "Homeworld. An Earth-standard date for an event that took place on Earth itself."},
    {65,
     {56, 67, 345, 16},
     "Home System. An Earth-standard date for an event elsewhere in Earth's star system."},
    {91,
     {56, 93, 345, 16},
     "Direct Link. Source in direct telepathic contact with Earth when the date was set."},
    {118,
     {56, 120, 345, 16},
     "Relayed. Source in contact with a class 2 source, but not with Earth itself."},
    {144,
     {56, 146, 345, 29},
     "Second Relay. Source in contact with a class 3 source and with none of classes 0 to 2; "
     "the date is reckoned through that link alone."},
    {176,
     {56, 177, 345, 25},
     "Far Relay. Source in contact with some class 4 source; the date has come down the "
     "whole chain of relays."},
    {208,
     {56, 210, 345, 73},
     "Reckoned. No contact with any class 1 to 5 source when the date was set. The date "
     "belongs to a chain of reckoned dates that begins or ends at one given by such a "
     "source, and is counted forward or back from it."},
    {265,
     {56, 267, 345, 33},
     "Long Reckoning. As class 6, but the stretch of the chain with no source runs from one "
     "to ten standard years."},
    {298,
     {56, 300, 281, 41},
     "Deep Reckoning. As class 7, but the stretch with no source runs past ten standard "
     "years. Use with care."},
    {342,
     {56, 344, 281, 49},
     "Approximate. No fixed point at either end of its chain, or worked out from records "
     "that carry no Imperial date at all. An estimate only."},
}};

const char* const Class6NoteText = "Unsourced stretch: one standard year at most.";

const QColor ExplanationYellow(255, 255, 0);

} // namespace

TFCheckDate::TFCheckDate(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      GradientFill1(
          PlaceControl<TGradientFill>(this, QStringLiteral("GradientFill1"), {0, 0, 415, 385})),
      SpeedButton1(
          PlaceControl<QToolButton>(this, QStringLiteral("SpeedButton1"), {360, 328, 50, 50})),
      TitleLabel(PlaceControl<TextLabel>(this, QStringLiteral("TitleLabel"), {16, 4, 186, 24}))
{
    setObjectName(QStringLiteral("FCheckDate"));
    setWindowTitle(QStringLiteral("Check Date Classes"));
    setFont(FormFont(SansSerifFace, 11));
    setFixedSize(415, 385);
    setModal(true);

    GradientFill1->setColorFrom(Qt::black);
    GradientFill1->setColor(QColor(108, 108, 255));
    GradientFill1->setFillDirection(TFillDirection::fdTopToBottom);

    // Flat: the gradient shows through until the pointer comes over the button.
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setText(QStringLiteral("Close"));
    QFont closeFont = FormFont(SansSerifFace, 11, true);
    closeFont.setUnderline(true);
    SpeedButton1->setFont(closeFont);
    // Never a face: under the pointer only a raised frame appears, pressed a sunken one. The
    // styles' own hover face is light and would wash the white caption out.
    SpeedButton1->setStyleSheet(QStringLiteral(
        "QToolButton { background: transparent; color: white; border: 1px solid transparent; }"
        "QToolButton:hover { border-color: white grey grey white; }"
        "QToolButton:pressed { border-color: grey white white grey; }"));
    SpeedButton1->setCursor(Qt::PointingHandCursor);
    SpeedButton1->setToolTip(QStringLiteral("Close this window"));
    connect(SpeedButton1, &QToolButton::clicked, this, &TFCheckDate::SpeedButton1Click);

    TitleLabel->setText(QStringLiteral("Check Date Classes"));
    TitleLabel->setFont(FormFont(SansSerifFace, 19, true));
    TitleLabel->setTextColour(Qt::white);

    const QFont explanationFont = FormFont(SmallFace, 9);
    const auto explain = [&](const QString& name, QRect box, const char* text) {
        auto* label = PlaceControl<TextLabel>(this, name, box);
        label->setText(QString::fromUtf8(text));
        label->setFont(explanationFont);
        label->setTextColour(ExplanationYellow);
        label->setWordWrap(true);
        return label;
    };
    for (std::size_t index = 0; index < Classes.size(); ++index) {
        ClassTexts.at(index) = explain(QStringLiteral("ClassText%1").arg(index),
                                       Classes.at(index).TextBox, Classes.at(index).Text);
    }
    Class6Note = explain(QStringLiteral("Class6Note"), {56, 245, 281, 25}, Class6NoteText);

    const QFont captionFont = FormFont(SansSerifFace, 11, true);
    for (std::size_t index = 0; index < Classes.size(); ++index) {
        auto* caption = PlaceControl<TextLabel>(this, QStringLiteral("ClassCaption%1").arg(index),
                                                {5, Classes.at(index).CaptionTop, 46, 13});
        caption->setText(QStringLiteral("Class %1:").arg(index));
        caption->setFont(captionFont);
        caption->setTextColour(Qt::white);
        ClassCaptions.at(index) = caption;
    }

    // Wider than the dialog on purpose: the bar runs off the right-hand edge.
    WhiteRule = PlaceControl<Shape>(this, QStringLiteral("WhiteRule"), {16, 26, 600, 4});
    WhiteRule->setPen(Qt::white, 1);
    WhiteRule->setFill(Qt::white);
}

void TFCheckDate::showModal(QWidget* parent)
{
    // A guarded pointer: should the parent go first and take its children with it, the
    // dialog is not deleted a second time.
    const QPointer<TFCheckDate> dialog = new TFCheckDate(parent);
    const auto destroy = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->exec();
}

void TFCheckDate::SpeedButton1Click()
{
    close();
}

} // namespace chronavell
