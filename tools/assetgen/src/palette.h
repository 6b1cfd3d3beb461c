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
    static constexpr QRgb glyphKey = 0xff808000;
    static constexpr QRgb etchShadow = 0xff7f7f7f;
    static constexpr QRgb etchLight = 0xffffffff;

    static constexpr QRgb pureBlue = 0xff0000ff;
    static constexpr QRgb navy = 0xff000080;
    static constexpr QRgb pureRed = 0xffff0000;

    static constexpr QRgb captionWhite = 0xffffffff;
    static constexpr QRgb captionYellow = 0xffffff00;
    static constexpr QRgb captionGrey = 0xffa8acb2;

    static constexpr QRgb slateLight = 0xff48505a;
    static constexpr QRgb slateMid = 0xff363c45;
    static constexpr QRgb slateDark = 0xff22262c;
    static constexpr QRgb slateEdge = 0xff121417;

    static constexpr QRgb bone = 0xffe6dcc2;
    static constexpr QRgb boneShadow = 0xff8c8270;
    static constexpr QRgb ink = 0xff100c0a;

    static QColor of(QRgb rgb, int alpha = 255)
    {
        QColor c = QColor::fromRgb(rgb);
        c.setAlpha(alpha);
        return c;
    }
};
