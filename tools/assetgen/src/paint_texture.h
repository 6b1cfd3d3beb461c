#pragma once

#include <QImage>
#include <QRect>

class Prng;

// Surface treatments applied after the shapes are laid down. Flat vector
// fills look clinical; these give the pictures a worn, hand-made feel.
class PaintTexture
{
public:
    struct Strokes
    {
        int Count = 0;
        double Length = 4.0;
        double Width = 2.0;
        double Opacity = 0.4;
        double Angle = 0.0;       // degrees
        double AngleSpread = 180; // degrees either side
        int ColourJitter = 10;
    };

    // Re-paints the picture with short strokes in its own colours, which
    // reads as brush work at these small sizes.
    static void brushStrokes(QImage& image, Prng& prng, const Strokes& strokes);
    // Film-grain style noise; also keeps JPEG from banding smooth skies.
    static void grain(QImage& image, Prng& prng, int amplitude);
    // Horizontal streaks of slightly varying brightness, like brushed steel.
    static void brushedMetal(QImage& image, const QRect& area, Prng& prng, int amplitude);
    // Darkens towards the corners; strength 0 does nothing, 1 goes to black.
    static void vignette(QImage& image, double strength);
};
