#include "pages/timeline_page.h"

#include "widgets/form_fonts.h"
#include "widgets/glyph_strip.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/shape.h"
#include "widgets/text_label.h"

#include <QPushButton>

#include <algorithm>

namespace chronavell {
namespace {

const QColor Red(255, 0, 0);
const QColor Lime(0, 255, 0);
const QColor Navy(0, 0, 128);
const QColor Yellow(255, 255, 0);

// Fifteen pixels to the millennium; the tick of millennium 0 sits at 155.
constexpr int TickLeft(int millennium)
{
    return 15 * millennium + 155;
}
constexpr int TickTop = 88;
constexpr int TickSize = 8;
constexpr int MarkerSize = 16;
constexpr int MarkerTop = 85;
// The marker's centre on its tick's centre; past the strip's last millennia it stops half
// over the right edge rather than vanish.
constexpr int MarkerLeft(int millennium)
{
    return std::min(TickLeft(millennium) - (MarkerSize - TickSize) / 2,
                    TimelinePage::StripWidth - MarkerSize / 2);
}
// Where the marker stands on the page once the strip has scrolled to it, unless an end of the
// strip is reached first: a little left of centre, so the later history beside it shows too.
constexpr int MarkerPageLeft = 222;
// The stored layout's place, before the first millennium arrives.
constexpr int StoredMarkerLeft = 503;

struct Era
{
    QRect Box;
    const char* Text;
};

const Era Eras[] = {
    {{6, 4, 187, 13}, "Age of First Fires"},      {{222, 4, 323, 13}, "Age of the Far Lanterns"},
    {{550, 4, 59, 29}, "The Veil Storms"},        {{611, 4, 86, 21}, "The Sworn Oath"},
    {{702, 4, 107, 37}, "The Vigil Without End"},
};

// Each separator's left edge; together with the frame they bound the eras above.
constexpr int EraEdges[] = {218, 548, 608, 699};

struct Tick
{
    int Millennium;
    const char* Label; // none for an unlabelled tick
    QPoint LabelAt;
};

const Tick Ticks[] = {
    {-8, "8000BC", {30, 95}}, {0, "0 BC/AD", {136, 95}}, {2, "M02", {181, 95}},
    {3, "M03", {197, 103}},   {4, nullptr, {}},          {16, "M16", {389, 95}},
    {21, "M21", {467, 95}},   {22, "M22", {483, 103}},   {26, "M26", {539, 95}},
    {28, "M28", {571, 95}},   {30, "M30", {603, 95}},    {31, "M31", {621, 103}},
    {35, "M35", {675, 95}},   {36, "M36", {693, 103}},   {37, "M37", {707, 95}},
    {41, "M41", {763, 95}},
};

// The one age-turning tick, drawn and labelled in red with its event.
constexpr int TurningMillennium = 31;

// The left edge of the start block, which anchors the oldest events as a tick does.
constexpr int StartLeft = 8;

struct Event
{
    int Anchor; // the Left of the tick or block it is painted with
    QRect Box;
    const char* Text;
    QRect Lead; // a line down towards the tick; empty for none
};

const Event Events[] = {
    {StartLeft, {-2, 36, 75, 29}, "First fires kindled on Old Vantor", {19, 59, 2, 24}},
    {TickLeft(-8), {22, 60, 75, 21}, "Stone calendars raised", {38, 75, 2, 10}},
    {TickLeft(0), {126, 64, 75, 17}, "The Count begins", {158, 75, 2, 11}},
    {TickLeft(2), {164, 36, 75, 29}, "Glass cities rise across Vantor", {198, 59, 2, 27}},
    {TickLeft(3), {193, 60, 75, 21}, "The first starship", {211, 75, 2, 11}},
    {TickLeft(4), {208, 76, 75, 13}, "Lantern Drive", {}},
    {TickLeft(16), {358, 28, 75, 29}, "Colonies reach the galactic Rim", {397, 59, 2, 27}},
    {TickLeft(21), {406, 60, 75, 29}, "Cog-Wardens bind the first engines", {472, 80, 2, 6}},
    {TickLeft(22), {446, 36, 75, 29}, "Schism of Varrow's Reach", {488, 59, 2, 27}},
    {TickLeft(26), {502, 68, 75, 21}, "Veil storms cut the star lanes", {}},
    {TickLeft(28), {548, 32, 65, 37}, "The Hollow Host wakes", {578, 56, 2, 30}},
    {TickLeft(30), {582, 68, 83, 21}, "The Sovereign unites Vantor", {}},
    {TickLeft(31), {604, 56, 65, 17}, "The Sundering", {}},
    {TickLeft(35), {638, 20, 75, 29}, "The Ledgerium takes the Hallowed Seat", {683, 56, 2, 30}},
    {TickLeft(37), {680, 68, 75, 21}, "The Ashen Choir first sings", {}},
    {TickLeft(41), {726, 28, 75, 29}, "The Hollow Host returns", {}},
    {TickLeft(41), {742, 52, 75, 29}, "Siege of Kessarine Prime", {}},
};

// Frame, separators, base line and leads are all bars with an outline as wide as they are,
// less one pixel: the outline alone covers them.
Shape* PlaceBar(QWidget* strip, QRect geometry, const QColor& colour)
{
    auto* bar = PlaceControl<Shape>(strip, "", geometry);
    bar->setPen(colour, 2);
    bar->setFill(colour);
    return bar;
}

Shape* PlaceCircle(QWidget* strip, const char* name, QRect geometry, const QColor& outline,
                   int width, const QColor& fill)
{
    auto* circle = PlaceControl<Shape>(strip, name, geometry);
    circle->setKind(Shape::Kind::Circle);
    circle->setPen(outline, width);
    circle->setFill(fill);
    return circle;
}

TextLabel* PlaceCaption(QWidget* strip, QRect box, const char* text, const QFont& font,
                        const QColor& colour)
{
    auto* caption = PlaceControl<TextLabel>(strip, "", box);
    caption->setText(QString::fromLatin1(text));
    caption->setFont(font);
    caption->setTextColour(colour);
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setWordWrap(true);
    return caption;
}

// Tick labels take exactly the room their text needs.
TextLabel* PlaceTickLabel(QWidget* strip, QPoint at, const char* text, const QColor& colour)
{
    auto* label = PlaceControl<TextLabel>(strip, "", QRect(at, QSize()));
    label->setText(QString::fromLatin1(text));
    label->setFont(FormFont(SmallFace, 8));
    label->setTextColour(colour);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoSize(true);
    return label;
}

void PlaceEvents(QWidget* strip, int anchor, const QColor& colour)
{
    const QFont font = FormFont(SmallFace, 8);
    for (const Event& event : Events) {
        if (event.Anchor != anchor) {
            continue;
        }
        if (!event.Lead.isEmpty()) {
            PlaceBar(strip, event.Lead, Qt::white);
        }
        PlaceCaption(strip, event.Box, event.Text, font, colour);
    }
}

QPushButton* PlaceButton(QWidget* page, const char* name, QRect geometry, const char* caption,
                         const char* glyph)
{
    auto* button = PlaceControl<QPushButton>(page, name, geometry);
    button->setText(QString::fromLatin1(caption));
    button->setIcon(GlyphStripIcon(QString::fromLatin1(glyph)));
    button->setIconSize(QSize(16, 16));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TimelinePage::TimelinePage(QWidget* parent)
    : QWidget(parent), Image7(PlaceControl<Picture>(this, "Image7", {0, 116, PageWidth, 28})),
      DateLine(PlaceControl<QWidget>(this, "DateLine", {0, 0, StripWidth, 117})),
      BitBtn1(PlaceButton(this, "BitBtn1", {1, 119, 75, 24}, "Past", ":/assets/glyph-past.png")),
      BitBtn2(
          PlaceButton(this, "BitBtn2", {361, 119, 75, 24}, "Future", ":/assets/glyph-future.png")),
      Image5(PlaceControl<Picture>(DateLine, "Image5", {3, 3, 819, 111})), YouRHere(nullptr)
{
    Image7->setDeferredImage([] { return LoadJpeg(QStringLiteral(":/assets/battle-strip.jpg")); });

    DateLine->setAutoFillBackground(true);
    QPalette black = DateLine->palette();
    black.setColor(QPalette::Window, Qt::black);
    DateLine->setPalette(black);

    // The glyph follows the caption on a right-to-left button, at the same spacing.
    BitBtn2->setLayoutDirection(Qt::RightToLeft);
    BitBtn1->setAccessibleDescription(QStringLiteral("Scrolls the timeline towards earlier times"));
    BitBtn2->setAccessibleDescription(QStringLiteral("Scrolls the timeline towards later times"));
    DateLine->setAccessibleName(QStringLiteral("Timeline"));
    DateLine->setAccessibleDescription(
        QStringLiteral("The ages of the setting, with a ring on the millennium being converted"));
    setTabOrder(BitBtn1, BitBtn2);

    Image5->setDeferredImage([] { return LoadJpeg(QStringLiteral(":/assets/starfield.jpg")); });
    Image5->setStretch(true);

    QWidget* strip = DateLine;
    for (const QRect& edge : {QRect(0, 0, StripWidth, 3), QRect(0, 114, StripWidth, 3),
                              QRect(0, 3, 3, 111), QRect(StripWidth - 3, 3, 3, 111)}) {
        PlaceBar(strip, edge, Red);
    }
    const QFont eraFont = FormFont(SmallFace, 9, true, true);
    for (const Era& era : Eras) {
        PlaceCaption(strip, era.Box, era.Text, eraFont, Qt::white);
    }
    // The separators come after the captions: the narrow era's caption reaches under two of
    // them. They run on below the strip, where it cuts them off.
    for (const int edge : EraEdges) {
        PlaceBar(strip, {edge, 3, 3, 120}, Red);
    }

    // The base line runs on beyond the strip's right edge as the history does.
    PlaceBar(strip, {StartLeft, 91, 953, 3}, Lime);
    Shape* start = PlaceControl<Shape>(strip, "", {StartLeft, 85, 12, 15});
    start->setPen(Qt::black, 1);
    start->setFill(Lime);
    PlaceTickLabel(strip, {6, 103}, "9000BC", Qt::white);
    PlaceEvents(strip, StartLeft, Yellow);

    for (const Tick& tick : Ticks) {
        const bool turning = tick.Millennium == TurningMillennium;
        const QColor colour = turning ? Red : Lime;
        const int left = TickLeft(tick.Millennium);
        PlaceCircle(strip, "", {left, TickTop, TickSize, TickSize}, Navy, 2, colour);
        if (tick.Label != nullptr) {
            PlaceTickLabel(strip, tick.LabelAt, tick.Label, turning ? Red : Qt::white);
        }
        PlaceEvents(strip, left, turning ? Red : Yellow);
    }

    YouRHere = PlaceCircle(strip, "YouRHere", {StoredMarkerLeft, MarkerTop, MarkerSize, MarkerSize},
                           Red, 3, QColor());
    YouRHere->setCursor(Qt::PointingHandCursor);
    YouRHere->setToolTip(QStringLiteral("You R Here!"));
    YouRHere->setAccessibleName(QStringLiteral("You are here"));

    connect(BitBtn1, &QPushButton::clicked, this, &TimelinePage::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TimelinePage::BitBtn2Click);
}

int TimelinePage::stripOffset() const
{
    return DateLine->x();
}

// The buttons' flags follow from the offset alone: each end disables the button that would
// scroll past it.
void TimelinePage::setStripOffset(int offset)
{
    offset = std::clamp(offset, LeftmostOffset, 0);
    DateLine->move(offset, 0);
    BitBtn1->setEnabled(offset < 0);
    BitBtn2->setEnabled(offset > LeftmostOffset);
}

void TimelinePage::BitBtn1Click()
{
    setStripOffset(stripOffset() + ScrollStep);
}

void TimelinePage::BitBtn2Click()
{
    setStripOffset(stripOffset() - ScrollStep);
}

void TimelinePage::PlaceYouRHere(int millennium)
{
    const int left = MarkerLeft(millennium);
    YouRHere->move(left, MarkerTop);
    setStripOffset(MarkerPageLeft - left);
}

} // namespace chronavell
