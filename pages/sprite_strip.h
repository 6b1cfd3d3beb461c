#pragma once

#include <cstdint>

namespace chronavell {

class Picture;

// A picture holding frames of equal size stacked from top to bottom; frame i starts at row
// i x FrameHeight. It refers to a picture that its owner keeps alive and owns nothing itself;
// the picture's bitmap is decoded when the first frame is drawn, not when the strip is set up.
struct SpriteStrip
{
    const Picture* Bitmap = nullptr;
    std::int32_t FrameWidth = 0;
    std::int32_t FrameHeight = 0;
};

// Copies one frame of the strip into the picture's own bitmap, at the rectangle from
// (left, top) to (right, bottom), both exclusive at the far end, and repaints that rectangle
// only. A strip that refers to no bitmap yet draws nothing.
void DrawStripFrame(SpriteStrip strip, std::uint8_t frame, Picture& image, int left, int top,
                    int right, int bottom);

} // namespace chronavell
