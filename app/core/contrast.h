#pragma once

namespace orv {

// A colour on screen, each part 0 to 255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The contrast of two colours as the accessibility guidelines (WCAG 2.1)
// measure it: from 1 (the same) to 21 (black on white).
double ContrastRatio(Rgb a, Rgb b);

// `text` mixed towards white on a dark `back`, towards black on a light one,
// by as little as reaches `least` against `back`; at full strength when
// nothing less does. A text that reaches it already stays as it is.
Rgb WithContrast(Rgb text, Rgb back, double least);

}  // namespace orv
