#include "app/core/contrast.h"

#include <algorithm>
#include <cmath>

namespace orv {

namespace {

double Linear(int part) {
    const double share = part / 255.0;
    return share <= 0.04045 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

Rgb Mixed(Rgb from, Rgb to, int step, int steps) {
    const auto mix = [&](int a, int b) {
        return (a * (steps - step) + b * step + steps / 2) / steps;
    };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue)};
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double one = Luminance(a);
    const double other = Luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

Rgb WithContrast(Rgb text, Rgb back, double least) {
    // Black or white, whichever stands out more from the background.
    const Rgb far = ContrastRatio(back, Rgb{255, 255, 255}) > ContrastRatio(back, Rgb{})
                        ? Rgb{255, 255, 255}
                        : Rgb{};
    constexpr int kSteps = 64;
    Rgb mixed = text;
    for (int step = 1; step <= kSteps && ContrastRatio(mixed, back) < least; ++step) {
        mixed = Mixed(text, far, step, kSteps);
    }
    return mixed;
}

}  // namespace orv
