#pragma once

namespace orv {

struct WindowPosition {
    int left = 0;  // pixels
    int top = 0;   // pixels
};

// Centres a window of the given outer size on a screen of the given size.
// The arithmetic is done in twips and single precision, each half taken
// before the subtraction, as every window of the program does at load.
WindowPosition CentredPosition(int screen_width_px, int screen_height_px, int outer_width_px,
                               int outer_height_px);

inline constexpr int kTwipsPerPixel = 15;

// Twips (1/1440 inch) to logical pixels, 15 twips a pixel at the design's
// text size, `scale` times as many for text that comes out larger.
int TwipsToPixels(int twips, double scale = 1.0);

}  // namespace orv
