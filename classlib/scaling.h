#pragma once

// Adapting a definition made at one screen density to another: fonts follow
// the density, and the layout follows the text height that the scaled font
// really has, so that captions keep fitting their controls.

// A font height designed at `designPixelsPerInch`, for a screen of `pixelsPerInch`.
int ScaleFontHeight(int height, int pixelsPerInch, int designPixelsPerInch);

// A designed position or size times textHeight / designTextHeight, rounded to
// the nearest pixel.
int ScaleLength(int length, int textHeight, int designTextHeight);
