#include "pages/sprite_strip.h"

#include "widgets/picture.h"

namespace chronavell {

void DrawStripFrame(SpriteStrip strip, std::uint8_t frame, Picture& image, int left, int top,
                    int right, int bottom)
{
    if (strip.Bitmap == nullptr) {
        return;
    }
    const QRect source(0, frame * strip.FrameHeight, strip.FrameWidth, strip.FrameHeight);
    image.paste(strip.Bitmap->image(), source,
                QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

} // namespace chronavell
