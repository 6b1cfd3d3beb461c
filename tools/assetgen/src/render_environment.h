#pragma once

#include "text_style.h"

#include <QLatin1String>

#include <array>
#include <span>

// Everything outside our code that would otherwise reach a pixel, fixed
// before the GUI starts: the platform plugin, the font files and the way
// they are rendered. Left to the machine, fontconfig takes whichever of the
// several copies of a face it happens to list first, quietly substitutes
// another face for a missing one, and applies the desktop's antialiasing and
// hinting choices; the pictures then differ from machine to machine.
class RenderEnvironment
{
public:
    // A face the pictures use, and where its Debian 12 package installs it.
    struct Face
    {
        QLatin1String Family;
        const char* Folder = nullptr;
        const char* Package = nullptr;
    };

    // The Type 1 copies of the URW faces, not the OpenType ones the same
    // package also installs: their outlines differ slightly.
    static constexpr std::array<Face, 4> Faces{{
        {TextStyle::SansFamily, "/usr/share/fonts/truetype/dejavu", "fonts-dejavu-core"},
        {TextStyle::SerifFamily, "/usr/share/fonts/truetype/dejavu", "fonts-dejavu-core"},
        {TextStyle::HeavyFamily, "/usr/share/fonts/type1/urw-base35", "fonts-urw-base35"},
        {TextStyle::CondensedFamily, "/usr/share/fonts/type1/urw-base35", "fonts-urw-base35"},
    }};

    // Must run before the QGuiApplication is created. Throws, naming the
    // package, if a face is missing, rather than drawing in another one.
    static void pin(std::span<const Face> faces = Faces);
};
