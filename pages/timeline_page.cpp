#include "pages/timeline_page.h"

#include "pages/timeline_history.h"
#include "pages/timeline_strip.h"
#include "widgets/glyph_strip.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/shape.h"
#include "widgets/tabbed_notebook.h"

#include <QPushButton>

#include <algorithm>

namespace chronavell {
namespace {

constexpr int PageWidth = PageSize.width();
// The strip's offset runs from showing its left end (0) to showing its right end.
constexpr int LeftmostOffset = PageWidth - TimelineStrip::Width;
constexpr int ScrollStep = 20;

constexpr int MarkerSize = 16;
constexpr int MarkerTop = 85;
// The marker's centre on its tick's centre; past the strip's last millennia it stops half
// over the right edge rather than vanish.
constexpr int MarkerLeft(int millennium)
{
    return std::min(timeline::TickLeft(millennium) - (MarkerSize - timeline::TickSize) / 2,
                    TimelineStrip::Width - MarkerSize / 2);
}
static_assert(MarkerLeft(0) == 151 && MarkerLeft(3) == 196 && MarkerLeft(44) == 811 &&
              MarkerLeft(45) == 817);
// Where the marker stands on the page once the strip has scrolled to it, unless an end of the
// strip is reached first: a little left of centre, so the later history beside it shows too.
constexpr int MarkerPageLeft = 222;
// The stored layout's place, before the first millennium arrives.
constexpr int StoredMarkerLeft = 503;

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
    : QWidget(parent), battle_(PlaceControl<Picture>(this, "Image7", {0, 116, PageWidth, 28})),
      strip_(PlaceControl<TimelineStrip>(this, "DateLine",
                                         {0, 0, TimelineStrip::Width, TimelineStrip::Height})),
      past_(PlaceButton(this, "BitBtn1", {1, 119, 75, 24}, "Past", ":/assets/glyph-past.png")),
      future_(
          PlaceButton(this, "BitBtn2", {361, 119, 75, 24}, "Future", ":/assets/glyph-future.png")),
      marker_(PlaceControl<Shape>(strip_, "YouRHere",
                                  {StoredMarkerLeft, MarkerTop, MarkerSize, MarkerSize}))
{
    setObjectName(QStringLiteral("VantorTimeline"));
    battle_->setDeferredImage([] { return LoadJpeg(QStringLiteral(":/assets/battle-strip.jpg")); });

    // The glyph follows the caption on a right-to-left button, at the same spacing.
    future_->setLayoutDirection(Qt::RightToLeft);
    past_->setAccessibleDescription(QStringLiteral("Scrolls the timeline towards earlier times"));
    future_->setAccessibleDescription(QStringLiteral("Scrolls the timeline towards later times"));
    strip_->setAccessibleName(QStringLiteral("Timeline"));
    strip_->setAccessibleDescription(
        QStringLiteral("The ages of the setting, with a ring on the millennium being converted"));
    setTabOrder(past_, future_);

    marker_->setKind(Shape::Kind::Circle);
    marker_->setPen(Qt::red, 3);
    marker_->setFill(QColor());
    marker_->setCursor(Qt::PointingHandCursor);
    marker_->setToolTip(QStringLiteral("You R Here!"));
    marker_->setAccessibleName(QStringLiteral("You are here"));

    connect(past_, &QPushButton::clicked, this, &TimelinePage::BitBtn1Click);
    connect(future_, &QPushButton::clicked, this, &TimelinePage::BitBtn2Click);
}

void TimelinePage::setStripOffset(int offset)
{
    offset = std::clamp(offset, LeftmostOffset, 0);
    strip_->move(offset, 0);
    past_->setEnabled(offset < 0);
    future_->setEnabled(offset > LeftmostOffset);
}

void TimelinePage::BitBtn1Click()
{
    setStripOffset(strip_->x() + ScrollStep);
}

void TimelinePage::BitBtn2Click()
{
    setStripOffset(strip_->x() - ScrollStep);
}

void TimelinePage::PlaceYouRHere(int millennium)
{
    const int left = MarkerLeft(millennium);
    marker_->move(left, MarkerTop);
    setStripOffset(MarkerPageLeft - left);
}

} // namespace chronavell
