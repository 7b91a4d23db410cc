#include "scaling.h"

namespace {

// Rounds half away from zero, as the layout's pixel arithmetic expects.
int MultiplyDivide(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

int ScaleFontHeight(int height, int pixelsPerInch, int designPixelsPerInch) {
    return MultiplyDivide(height, pixelsPerInch, designPixelsPerInch);
}

int ScaleLength(int length, int textHeight, int designTextHeight) {
    return MultiplyDivide(length, textHeight, designTextHeight);
}
