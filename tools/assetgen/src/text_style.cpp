#include "text_style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

QFont TextStyle::crisp(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont TextStyle::smooth(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath TextStyle::fitted(const QString& text, const QFont& font, const QRectF& box,
                               bool keepProportions)
{
    // Outlines are taken at a large size and scaled down: at small sizes the
    // font engine hands out outlines that depend on which sizes of the same
    // face were drawn before, so the first picture of a run came out
    // different from the rest.
    QFont outlineFont = font;
    outlineFont.setPixelSize(OutlinePixelSize);
    outlineFont.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, outlineFont, text);
    const QRectF bounds = path.boundingRect();
    double sx = box.width() / bounds.width();
    double sy = box.height() / bounds.height();
    if (keepProportions) {
        sx = sy = std::min(sx, sy);
    }
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

void TextStyle::draw(QPainter& p, double x, double baseline, const QString& text, const QFont& font,
                     const QColor& colour, const QColor& shadow)
{
    p.save();
    p.setFont(font);
    if (shadow.alpha() > 0) {
        p.setPen(shadow);
        p.drawText(QPointF(x + 1, baseline + 1), text);
    }
    p.setPen(colour);
    p.drawText(QPointF(x, baseline), text);
    p.restore();
}

void TextStyle::drawCentred(QPainter& p, double centreX, double baseline, const QString& text,
                            const QFont& font, const QColor& colour, const QColor& shadow)
{
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    draw(p, std::round(centreX - width / 2), baseline, text, font, colour, shadow);
}
