#include "CopyBits.h"

#include "LException.h"
#include "PixelAccess.h"
#include "StretchBits.h"

std::int16_t CopyBits(const PixMap& source, GrafPort& destination, const Rect& srcRect,
                      const Rect& dstRect, std::int16_t mode) {
    if (mode == kDitherCopy)
        mode = kSrcCopy;
    if (mode < kSrcCopy || mode > kSrcBic || srcRect.isEmpty() || dstRect.isEmpty())
        return kParamError;
    PixMap* target = destination.pixMap;
    if (target == nullptr || source.image.isNull())
        return kNoError;

    // From port coordinates to each image's own.
    const int targetLeft = target->bounds.left;
    const int targetTop = target->bounds.top;
    const Stretch stretch{PixelBox::of(srcRect).translated(-source.bounds.left, -source.bounds.top),
                          PixelBox::of(dstRect).translated(-targetLeft, -targetTop),
                          drawableArea(destination).translated(-targetLeft, -targetTop)};
    const TransferColours colours{packRGB24(destination.foreColour),
                                  packRGB24(destination.backColour)};
    const PixelBox written =
        stretchBits(target->image, source.image, stretch, static_cast<TransferMode>(mode), colours);
    if (!written.isEmpty())
        destination.damage |= QRect(written.left + targetLeft, written.top + targetTop,
                                    written.width(), written.height());
    return kNoError;
}
