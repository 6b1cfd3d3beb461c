#include "pages/about_page.h"

#include "build_info.h"
#include "pages/page_colours.h"
#include "pages/site_addresses.h"
#include "pages/site_opener.h"
#include "widgets/form_fonts.h"
#include "widgets/gradient_fill.h"
#include "widgets/hotspot.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/png_file.h"
#include "widgets/shape.h"
#include "widgets/text_label.h"

#include <QFrame>
#include <QImage>

namespace chronavell {
namespace {

// A one-line caption, made as wide and high as its text when the page is first shown.
TextLabel* PlaceCaption(QWidget* page, const char* name, QPoint topLeft, const QFont& font,
                        const QColor& colour, const QString& text)
{
    auto* label = PlaceControl<TextLabel>(page, name, QRect(topLeft, QSize()));
    label->setFont(font);
    label->setTextColour(colour);
    label->setText(text);
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

AboutPage::AboutPage(SiteOpener& opener, QWidget* parent)
    : QWidget(parent), opener_(opener),
      // Its stored bounds do not matter: it covers the page at run time.
      gradient_(PlaceControl<TGradientFill>(this, "GradientFill4", {0, 0, 32, 32})),
      version_(PlaceCaption(this, "Label52", {48, 26}, FormFont(SansSerifFace, 11, true), Yellow,
                            QStringLiteral("Version - ") +
                                QString::fromLatin1(ApplicationShortVersion))),
      copyrightSign_(PlaceCaption(this, "Label53", {8, 42}, FormFont(SansSerifFace, 13), Yellow,
                                  QStringLiteral("\u00A9"))),
      rightsNotice_(
          PlaceCaption(this, "Label54", {18, 43}, FormFont(SansSerifFace, 11), Yellow,
                       QStringLiteral("Oren Haldecott, 006.M 3. Shared freely, never sold."))),
      title_(PlaceCaption(this, "Label4", {44, 6}, FormFont(SansSerifFace, 16, true, true),
                          Qt::white, QStringLiteral("Chronavell"))),
      band_(PlaceFrame(this, "Shape38", {336, -8, 105, 153})),
      disclaimer_(PlaceControl<TextLabel>(this, "Label5", {10, 120, 287, 41})),
      firstCredit_(
          PlaceCaption(this, "Label55", {10, 65}, FormFont(SansSerifFace, 11), Yellow,
                       QStringLiteral("Scrivener-Major Oren Haldecott - reckoning and code"))),
      secondCredit_(
          PlaceCaption(this, "Label57", {10, 78}, FormFont(SansSerifFace, 11), Yellow,
                       QStringLiteral("Limner Ilse Marrowby - pictures, glyphs and icon"))),
      thirdCredit_(
          PlaceCaption(this, "Label58", {10, 92}, FormFont(SansSerifFace, 11), Yellow,
                       QStringLiteral("Chronicler Tamsin Velquist - lore of the timeline"))),
      timelineLink_(PlaceCaption(this, "Label59", {18, 105},
                                 Underlined(FormFont(SansSerifFace, 11)), Yellow,
                                 QStringLiteral("The Velquist Archive of Ages"))),
      timelineLinkArea_(PlaceControl<Hotspot>(timelineLink_, "Label59Area", timelineLink_->rect())),
      portraitFrame_(PlaceFrame(this, "Shape39", {347, 6, 79, 131})),
      portrait_(PlaceControl<Picture>(this, "Image6", {348, 7, 78, 130})),
      iconPanel_(PlaceControl<QFrame>(this, "Panel1", {4, 4, 34, 34})),
      icon_(PlaceControl<Picture>(iconPanel_, "Image1", {}))
{
    setObjectName(QStringLiteral("About"));
    gradient_->setColorFrom(Qt::black);
    gradient_->setColor(QColor(106, 106, 255));

    disclaimer_->setText(QStringLiteral(
        "This software is completely unofficial and in no way endorsed by Brannoch Limited."));
    disclaimer_->setFont(FormFont(SmallFace, 9));
    disclaimer_->setTextColour(Aqua);
    disclaimer_->setWordWrap(true);

    timelineLink_->setVisible(false);
    timelineLinkArea_->setAccessibleName(timelineLink_->text());
    timelineLinkArea_->setAccessibleDescription(
        QStringLiteral("Opens the site of the contributor who supplied the timeline"));
    connect(timelineLinkArea_, &Hotspot::clicked, this, &AboutPage::Label59Click);

    // The portrait is a pixel smaller than its control each way and drawn at its own size,
    // so the violet frame's outline shows all round it.
    portrait_->setDeferredImage([] { return LoadJpeg(QStringLiteral(":/assets/portrait.jpg")); });

    // A plain panel's bevel is one pixel wide in every style; the icon fills what is inside,
    // and where the icon is clear the panel's face shows, not the gradient.
    iconPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    iconPanel_->setLineWidth(1);
    iconPanel_->setBackgroundRole(QPalette::Button);
    iconPanel_->setAutoFillBackground(true);
    iconPanel_->setAccessibleName(QStringLiteral("Chronavell icon"));
    icon_->setGeometry(iconPanel_->contentsRect());
    icon_->setDeferredImage([] { return ReadPng(QStringLiteral(":/assets/icon-32.png")); });
    icon_->setStretch(true);
}

void AboutPage::showEvent(QShowEvent* event)
{
    // Measured when first shown, not at start: the captions' four faces and sizes cost 12
    // million instructions before the first frame, an eighth of the start-up
    // (bench/startup/profile.sh, 2026-12-08), for a page most starts never show.
    if (!captionsFitted_) {
        captionsFitted_ = true;
        for (TextLabel* caption : {version_, copyrightSign_, rightsNotice_, title_, firstCredit_,
                                   secondCredit_, thirdCredit_, timelineLink_}) {
            caption->fitToText();
        }
        timelineLinkArea_->setGeometry(timelineLink_->rect());
    }
    QWidget::showEvent(event);
}

void AboutPage::Label59Click()
{
    timelineLink_->setTextColour(Lime);
    opener_.open(VelquistSite);
}

} // namespace chronavell
