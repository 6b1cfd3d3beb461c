#include "dialogs/tfcheck_date.h"

#include "widgets/dialog_accessible.h"
#include "widgets/form_fonts.h"
#include "widgets/gradient_fill.h"
#include "widgets/place_control.h"
#include "widgets/shape.h"
#include "widgets/text_label.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include <array>

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
const std::array<ClassEntry, 10> Classes{{
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

// The result of a showing ended with Ctrl+Q; closing it gives QDialog::Rejected.
constexpr int QuitResult = QDialog::Accepted + 1;

const char* const Class6NoteText = "Unsourced stretch: one standard year at most.";

const QColor ExplanationYellow(255, 255, 0);

QAccessibleInterface* CheckDateAccessibleFactory(const QString& className, QObject* object)
{
    auto* dialog = qobject_cast<TFCheckDate*>(object);
    if (dialog != nullptr &&
        className == QLatin1String(TFCheckDate::staticMetaObject.className())) {
        return new DialogAccessible(dialog);
    }
    return nullptr;
}

} // namespace

TFCheckDate::TFCheckDate(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      gradient_(
          PlaceControl<TGradientFill>(this, QStringLiteral("GradientFill1"), {0, 0, 415, 385})),
      close_(PlaceControl<QToolButton>(this, QStringLiteral("SpeedButton1"), {360, 328, 50, 50}))
{
    [[maybe_unused]] static const bool accessibleInstalled =
        (QAccessible::installFactory(&CheckDateAccessibleFactory), true);
    setObjectName(QStringLiteral("FCheckDate"));
    setWindowTitle(QStringLiteral("Check Date Classes"));
    setFont(FormFont(SansSerifFace, 11));
    setFixedSize(415, 385);
    setModal(true);

    gradient_->setColorFrom(Qt::black);
    gradient_->setColor(QColor(108, 108, 255));
    gradient_->setFillDirection(TFillDirection::fdTopToBottom);

    // Flat: the gradient shows through until the pointer comes over the button.
    close_->setAutoRaise(true);
    close_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setText(QStringLiteral("Close"));
    QFont closeFont = FormFont(SansSerifFace, 11, true);
    closeFont.setUnderline(true);
    close_->setFont(closeFont);
    // Never a face: under the pointer only a raised frame appears, pressed a sunken one. The
    // styles' own hover face is light and would wash the white caption out.
    close_->setStyleSheet(QStringLiteral(
        "QToolButton { background: transparent; color: white; border: 1px solid transparent; }"
        "QToolButton:hover { border-color: white grey grey white; }"
        "QToolButton:pressed { border-color: grey white white grey; }"));
    close_->setCursor(Qt::PointingHandCursor);
    close_->setToolTip(QStringLiteral("Close this window"));
    connect(close_, &QToolButton::clicked, this, &TFCheckDate::SpeedButton1Click);
    connect(new QShortcut(Qt::CTRL | Qt::Key_Q, this), &QShortcut::activated, this,
            [this] { done(QuitResult); });

    auto* title = PlaceControl<TextLabel>(this, QStringLiteral("TitleLabel"), {16, 4, 186, 24});
    title->setText(QStringLiteral("Check Date Classes"));
    title->setFont(FormFont(SansSerifFace, 19, true));
    title->setTextColour(Qt::white);

    const QFont captionFont = FormFont(SansSerifFace, 11, true);
    const QFont explanationFont = FormFont(SmallFace, 9);
    const auto explain = [&](const QString& name, QRect box, const char* text) {
        auto* label = PlaceControl<TextLabel>(this, name, box);
        label->setText(QString::fromUtf8(text));
        label->setFont(explanationFont);
        label->setTextColour(ExplanationYellow);
        label->setWordWrap(true);
    };
    for (std::size_t index = 0; index < Classes.size(); ++index) {
        const ClassEntry& entry = Classes.at(index);
        auto* caption = PlaceControl<TextLabel>(this, QStringLiteral("ClassCaption%1").arg(index),
                                                {5, entry.CaptionTop, 46, 13});
        caption->setText(QStringLiteral("Class %1:").arg(index));
        caption->setFont(captionFont);
        caption->setTextColour(Qt::white);
        explain(QStringLiteral("ClassText%1").arg(index), entry.TextBox, entry.Text);
        if (index == 6) {
            explain(QStringLiteral("Class6Note"), {56, 245, 281, 25}, Class6NoteText);
        }
    }

    // Wider than the dialog on purpose: the bar runs off the right-hand edge.
    auto* rule = PlaceControl<Shape>(this, QStringLiteral("WhiteRule"), {16, 26, 600, 4});
    rule->setPen(Qt::white, 1);
    rule->setFill(Qt::white);
}

TFCheckDate::Ending TFCheckDate::showModal(QWidget* parent)
{
    // A guarded pointer: should the parent go first and take its children with it, the
    // dialog is not deleted a second time.
    const QPointer<TFCheckDate> dialog = new TFCheckDate(parent);
    const auto destroy = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->centreOnScreen();
    return dialog->exec() == QuitResult ? Ending::Quit : Ending::Closed;
}

void TFCheckDate::centreOnScreen()
{
    // A compositor that places windows itself, as Wayland's do, is left to it: there a window
    // cannot choose its own position.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
    // The window manager frames the dialog as it framed the window that opens it, and it is
    // the frame that should sit in the middle. The dialog's own frame is known only once it
    // is on show, too late to place it without a jump.
    const QWidget* opener = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    QMargins frame;
    if (opener != nullptr) {
        const QRect outer = opener->frameGeometry();
        const QRect inner = opener->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize framed = size().grownBy(frame);
    const QScreen* screen = opener != nullptr ? opener->screen() : this->screen();
    const QRect whole = screen->geometry();
    // A window not yet shown is moved by its frame's corner.
    move(whole.x() + (whole.width() - framed.width()) / 2,
         whole.y() + (whole.height() - framed.height()) / 2);
}

void TFCheckDate::SpeedButton1Click()
{
    close();
}

} // namespace chronavell
