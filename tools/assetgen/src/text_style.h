#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QString>

class QPainter;

// Font choices and text placement shared by the painters. Every family
// named here must be in RenderEnvironment::Faces, which says which Debian
// package supplies it: no other font is available to the painters.
class TextStyle
{
public:
    static constexpr QLatin1String SansFamily{"DejaVu Sans"};
    static constexpr QLatin1String SerifFamily{"DejaVu Serif"};
    static constexpr QLatin1String HeavyFamily{"URW Bookman"};
    static constexpr QLatin1String CondensedFamily{"Nimbus Sans Narrow"};

    // No antialiasing and full hinting: tiny captions then look like bitmap
    // text instead of a grey smudge.
    static QFont crisp(const QString& family, int pixelSize, bool bold);
    static QFont smooth(const QString& family, int pixelSize, bool bold, bool italic = false);

    static constexpr int OutlinePixelSize = 512;

    // The text's outline scaled to fill the box, centred; with keepProportions
    // false it is stretched to fill it exactly.
    static QPainterPath fitted(const QString& text, const QFont& font, const QRectF& box,
                               bool keepProportions = true);

    // Draws with the baseline's left end at (x, baseline). A shadow colour
    // with alpha 0 draws no shadow.
    static void draw(QPainter& p, double x, double baseline, const QString& text, const QFont& font,
                     const QColor& colour, const QColor& shadow = QColor(0, 0, 0, 0));
    // The same, centred on x.
    static void drawCentred(QPainter& p, double centreX, double baseline, const QString& text,
                            const QFont& font, const QColor& colour,
                            const QColor& shadow = QColor(0, 0, 0, 0));
};
