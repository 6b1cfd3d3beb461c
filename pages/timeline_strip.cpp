#include "pages/timeline_strip.h"

#include "pages/page_colours.h"
#include "pages/timeline_history.h"
#include "widgets/form_fonts.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/text_label.h"

#include <QPainter>

namespace chronavell {
namespace {

using namespace timeline;

// Every mark is drawn within its own box, as a control of that size would be: nothing of an
// outline or a caption strays beyond it.
class Marks
{
public:
    explicit Marks(QPainter& painter) : painter_(painter) {}

    // Frame, separators, base line and leads are bars with an outline as wide as they are,
    // less one pixel: the outline alone covers them.
    void bar(const QRect& box, const QColor& colour) { shape(box, colour, 2, colour, false); }

    // An outline of `width` pixels lies just inside the box, as a square-ended one does on a
    // pixel grid.
    void shape(const QRect& box, const QColor& outline, int width, const QColor& fill, bool circle)
    {
        enter(box);
        const qreal inset = width / 2.0;
        const QRectF path =
            QRectF(0, 0, box.width(), box.height()).adjusted(inset, inset, -inset, -inset);
        QPen pen(outline, width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter_.setPen(pen);
        painter_.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
        if (circle) {
            painter_.setRenderHint(QPainter::Antialiasing);
            painter_.drawEllipse(path);
        } else {
            painter_.drawRect(path);
        }
        painter_.restore();
    }

    void caption(const QRect& box, const char* text, const QFont& font, const QColor& colour,
                 int flags)
    {
        enter(box);
        painter_.setPen(colour);
        painter_.setFont(font);
        painter_.drawText(QRect(QPoint(0, 0), box.size()), flags, QString::fromLatin1(text));
        painter_.restore();
    }

    // A label exactly as large as its text, the ink of every glyph included.
    void label(QPoint at, const char* text, const QFont& font, const QColor& colour)
    {
        constexpr int flags = Qt::AlignCenter | Qt::TextSingleLine;
        caption(QRect(at, TextExtent(font, flags, QString::fromLatin1(text))), text, font, colour,
                flags);
    }

private:
    void enter(const QRect& box)
    {
        painter_.save();
        painter_.translate(box.topLeft());
        painter_.setClipRect(QRect(QPoint(0, 0), box.size()));
    }

    QPainter& painter_;
};

} // namespace

TimelineStrip::TimelineStrip(QWidget* parent)
    : QWidget(parent), eraFont_(FormFont(SmallFace, 9, true, true)),
      markFont_(FormFont(SmallFace, 8))
{
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
}

void TimelineStrip::paintEvent(QPaintEvent* /*event*/)
{
    // Decoded when the page is first shown, not at start.
    if (starField_.isNull()) {
        starField_ = LoadJpeg(QStringLiteral(":/assets/starfield.jpg"));
    }
    QPainter painter(this);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(3, 3, Width - 6, 111), starField_);
    painter.restore();

    Marks marks(painter);
    for (const QRect& edge : {QRect(0, 0, Width, 3), QRect(0, 114, Width, 3), QRect(0, 3, 3, 111),
                              QRect(Width - 3, 3, 3, 111)}) {
        marks.bar(edge, Red);
    }
    const int captionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    for (const Era& era : Eras) {
        marks.caption(era.Box, era.Text, eraFont_, Qt::white, captionFlags);
    }
    // The separators come after the captions: the narrow era's caption reaches under two of
    // them. They run on below the strip, where it cuts them off.
    for (const int edge : EraEdges) {
        marks.bar({edge, 3, 3, 120}, Red);
    }

    // The base line runs on beyond the strip's right edge as the history does.
    marks.bar({StartLeft, 91, 953, 3}, Lime);
    marks.shape({StartLeft, 85, 12, 15}, Qt::black, 1, Lime, false);
    marks.label({6, 103}, "9000BC", markFont_, Qt::white);

    const auto events = [&](int anchor, const QColor& colour) {
        for (const Event& event : Events) {
            if (event.Anchor != anchor) {
                continue;
            }
            if (!event.Lead.isEmpty()) {
                marks.bar(event.Lead, Qt::white);
            }
            marks.caption(event.Box, event.Text, markFont_, colour, captionFlags);
        }
    };
    events(StartLeft, Yellow);
    for (const Tick& tick : Ticks) {
        const bool turning = tick.Millennium == TurningMillennium;
        const int left = TickLeft(tick.Millennium);
        marks.shape({left, TickTop, TickSize, TickSize}, Navy, 2, turning ? Red : Lime, true);
        if (tick.Label != nullptr) {
            marks.label(tick.LabelAt, tick.Label, markFont_, turning ? Red : Qt::white);
        }
        events(left, turning ? Red : Yellow);
    }
}

} // namespace chronavell
