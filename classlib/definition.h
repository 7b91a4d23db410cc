#pragma once

#include <span>
#include <string_view>

// A form's definition: its settings and its controls as plain data, read by
// generic code (TForm::Load) when the form is constructed. Positions and sizes
// are pixels at the definition's density; texts are code page 1251.

struct TFontDefinition {
    std::string_view name;
    int height = 0;  // negative: character height in pixels
    bool bold = false;
};

enum class TControlKind { PageControl, TabSheet, Image, Button };

struct TControlDefinition {
    TControlKind kind;
    std::string_view name;
    std::string_view parent;  // empty: the form itself
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view caption;
    int tabOrder = -1;                       // -1: not a tab stop
    const TFontDefinition* font = nullptr;   // its own font; null: the parent's
    std::string_view picture;                // Image: a JPEG resource of the executable
    std::string_view onClick;                // Button: the name of a published handler
};

struct TFormDefinition {
    std::string_view className;
    std::string_view caption;
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    TFontDefinition font;
    int pixelsPerInch = 96;
    int textHeight = 13;  // height of "0" in the form's font at pixelsPerInch
    std::span<const TControlDefinition> controls;
};
