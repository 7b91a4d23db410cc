#pragma once

#include "definition.h"

// A GDI font, released with the object.
class TFont {
public:
    // `height` is the scaled character height (negative) for this screen.
    TFont(const TFontDefinition& definition, int height);
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    void* Handle() const noexcept { return font_; }
    // The height of "0" in this font on the screen, in pixels.
    int TextHeight() const;

private:
    void* font_;
};
