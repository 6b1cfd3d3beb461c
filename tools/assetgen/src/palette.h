#pragma once

#include <QColor>
#include <QRgb>

// Colours that carry meaning for the program (the glyph key, the fixed
// glyph colours) plus the few shared tones that keep the pictures looking
// like one set.
class Palette
{
public:
    // The program keys this colour out of every button glyph.
    static constexpr QRgb GlyphKey = 0xff808000;
    static constexpr QRgb EtchShadow = 0xff7f7f7f;
    static constexpr QRgb EtchLight = 0xffffffff;

    static constexpr QRgb PureBlue = 0xff0000ff;
    static constexpr QRgb Navy = 0xff000080;
    static constexpr QRgb PureRed = 0xffff0000;

    static constexpr QRgb CaptionWhite = 0xffffffff;
    static constexpr QRgb CaptionYellow = 0xffffff00;
    static constexpr QRgb CaptionGrey = 0xffa8acb2;

    static constexpr QRgb SlateLight = 0xff48505a;
    static constexpr QRgb SlateMid = 0xff363c45;
    static constexpr QRgb SlateDark = 0xff22262c;
    static constexpr QRgb SlateEdge = 0xff121417;

    static constexpr QRgb Bone = 0xffe6dcc2;
    static constexpr QRgb BoneShadow = 0xff8c8270;
    static constexpr QRgb Ink = 0xff100c0a;

    static QColor of(QRgb rgb, int alpha = 255)
    {
        QColor c = QColor::fromRgb(rgb);
        c.setAlpha(alpha);
        return c;
    }
};
