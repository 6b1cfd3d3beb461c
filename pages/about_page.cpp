#include "pages/about_page.h"

#include "pages/site_addresses.h"
#include "widgets/form_fonts.h"
#include "widgets/gradient_fill.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/png_file.h"
#include "widgets/shape.h"
#include "widgets/text_label.h"

#include <QDesktopServices>
#include <QFrame>
#include <QImage>

#include <utility>

namespace chronavell {
namespace {

const QColor Yellow(255, 255, 0);
const QColor Aqua(0, 255, 255);
const QColor Violet(128, 0, 255);
const QColor Lime(0, 255, 0);

// A one-line caption as wide and high as its text.
TextLabel* PlaceCaption(QWidget* page, const char* name, QPoint topLeft, const QFont& font,
                        const QColor& colour, const QString& text)
{
    auto* label = PlaceControl<TextLabel>(page, name, QRect(topLeft, QSize()));
    label->setFont(font);
    label->setTextColour(colour);
    label->setText(text);
    label->setAutoSize(true);
    return label;
}

Shape* PlaceFrame(QWidget* page, const char* name, QRect geometry)
{
    auto* shape = PlaceControl<Shape>(page, name, geometry);
    shape->setPen(Qt::black, 1);
    shape->setFill(Violet);
    return shape;
}

QFont Underlined(QFont font)
{
    font.setUnderline(true);
    return font;
}

} // namespace

AboutPage::AboutPage(QWidget* parent)
    : QWidget(parent),
      // Its stored bounds do not matter: it covers the page at run time.
      GradientFill4(PlaceControl<TGradientFill>(this, "GradientFill4", {0, 0, 32, 32})),
      Label52(PlaceCaption(this, "Label52", {48, 26}, FormFont(SansSerifFace, 11, true), Yellow,
                           QStringLiteral("Version - 1.0"))),
      Label53(PlaceCaption(this, "Label53", {8, 42}, FormFont(SansSerifFace, 13), Yellow,
                           QStringLiteral("\u00A9"))),
      Label54(PlaceCaption(this, "Label54", {18, 43}, FormFont(SansSerifFace, 11), Yellow,
                           QStringLiteral("Oren Haldecott, 006.M 3. Shared freely, never sold."))),
      Label4(PlaceCaption(this, "Label4", {44, 6}, FormFont(SansSerifFace, 16, true, true),
                          Qt::white, QStringLiteral("Chronavell"))),
      Shape38(PlaceFrame(this, "Shape38", {336, -8, 105, 153})),
      Label5(PlaceControl<TextLabel>(this, "Label5", {10, 120, 287, 41})),
      Label55(PlaceCaption(this, "Label55", {10, 65}, FormFont(SansSerifFace, 11), Yellow,
                           QStringLiteral("Scrivener-Major Oren Haldecott - reckoning and code"))),
      Label57(PlaceCaption(this, "Label57", {10, 78}, FormFont(SansSerifFace, 11), Yellow,
                           QStringLiteral("Limner Ilse Marrowby - pictures, glyphs and icon"))),
      Label58(PlaceCaption(this, "Label58", {10, 92}, FormFont(SansSerifFace, 11), Yellow,
                           QStringLiteral("Chronicler Tamsin Velquist - lore of the timeline"))),
      Label59(PlaceCaption(this, "Label59", {18, 105}, Underlined(FormFont(SansSerifFace, 11)),
                           Yellow, QStringLiteral("The Velquist Archive of Ages"))),
      Shape39(PlaceFrame(this, "Shape39", {347, 6, 79, 131})),
      Image6(PlaceControl<Picture>(this, "Image6", {348, 7, 78, 130})),
      Panel1(PlaceControl<QFrame>(this, "Panel1", {4, 4, 34, 34})), Image1(new Picture(Panel1)),
      openSite_([](const QUrl& site) { QDesktopServices::openUrl(site); })
{
    GradientFill4->setColorFrom(Qt::black);
    GradientFill4->setColor(QColor(106, 106, 255));

    Label5->setText(QStringLiteral(
        "This software is completely unofficial and in no way endorsed by Brannoch Limited."));
    Label5->setFont(FormFont(SmallFace, 9));
    Label5->setTextColour(Aqua);
    Label5->setWordWrap(true);

    Label59->setCursor(Qt::PointingHandCursor);
    Label59->setVisible(false);
    connect(Label59, &TextLabel::clicked, this, &AboutPage::Label59Click);

    // The portrait is a pixel smaller than its control each way and drawn at its own size,
    // so the violet frame's outline shows all round it.
    Image6->setDeferredImage([] { return LoadJpeg(QStringLiteral(":/assets/portrait.jpg")); });

    // A plain panel's bevel is one pixel wide in every style; the icon fills what is inside,
    // and where the icon is clear the panel's face shows, not the gradient.
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setBackgroundRole(QPalette::Button);
    Panel1->setAutoFillBackground(true);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Panel1->contentsRect());
    Image1->setDeferredImage([] { return ReadPng(QStringLiteral(":/assets/icon-32.png")); });
    Image1->setStretch(true);
}

void AboutPage::setSiteOpener(OpenSite open)
{
    openSite_ = std::move(open);
}

void AboutPage::Label59Click()
{
    Label59->setTextColour(Lime);
    openSite_(VelquistSite);
}

} // namespace chronavell
