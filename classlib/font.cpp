#include "font.h"

#include "exceptions.h"
#include "text.h"

#include <windows.h>

TFont::TFont(const TFontDefinition& definition, int height) {
    // The captions are Cyrillic: asking for the Cyrillic character set gets
    // the right face on any system, not only on one whose default is Cyrillic.
    font_ = CreateFontW(height, 0, 0, 0, definition.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        WideFromText(definition.name).c_str());
    if (!font_) throw Exception("Cannot create font " + std::string(definition.name));
}

TFont::~TFont() { DeleteObject(static_cast<HFONT>(font_)); }

int TFont::TextHeight() const {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, static_cast<HFONT>(font_));
    SIZE size{};
    GetTextExtentPoint32W(screen, L"0", 1, &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return size.cy;
}
