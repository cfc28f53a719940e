#include "app/core/centre.h"

#include <cmath>

namespace orv {

WindowPosition CentredPosition(int screen_width_px, int screen_height_px, int outer_width_px,
                               int outer_height_px) {
    const float twips = static_cast<float>(kTwipsPerPixel);
    const float top = static_cast<float>(screen_height_px) * twips / 2.0f -
                      static_cast<float>(outer_height_px) * twips / 2.0f;
    const float left = static_cast<float>(screen_width_px) * twips / 2.0f -
                       static_cast<float>(outer_width_px) * twips / 2.0f;
    return {static_cast<int>(std::lround(left / twips)),
            static_cast<int>(std::lround(top / twips))};
}

int TwipsToPixels(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

}  // namespace orv
