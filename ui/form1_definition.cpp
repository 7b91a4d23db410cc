#include "form1_definition.h"

#include "document_catalogue.h"

#include <array>

namespace {

// Pixels at 96 pixels per inch, where "0" in the window font is 13 pixels high.
constexpr TFontDefinition kWindowFont{"MS Sans Serif", -11, false};
constexpr TFontDefinition kTabFont{"MS Sans Serif", -11, true};
constexpr TFontDefinition kPageFont{"MS Sans Serif", -11, false};

constexpr TControlDefinition Button(std::string_view name, int left, int top, int width, int tabOrder,
                                    std::string_view onClick) {
    return {.kind = TControlKind::Button,
            .name = name,
            .parent = "TabSheet1",
            .left = left,
            .top = top,
            .width = width,
            .height = 25,
            .caption = CatalogueRow(name).Caption,
            .tabOrder = tabOrder,
            .onClick = onClick};
}

// Creation order is the order of the page's children: the picture first.
constexpr std::array kControls{
    TControlDefinition{.kind = TControlKind::PageControl,
                       .name = "PageControl1",
                       .left = 8,
                       .top = 8,
                       .width = 681,
                       .height = 241,
                       .tabOrder = 0,
                       .font = &kTabFont},
    // Fills the page control's display area.
    TControlDefinition{.kind = TControlKind::TabSheet,
                       .name = "TabSheet1",
                       .parent = "PageControl1",
                       .caption = "Документы",
                       .font = &kPageFont},
    TControlDefinition{.kind = TControlKind::Image,
                       .name = "Image1",
                       .parent = "TabSheet1",
                       .left = 528,
                       .top = 8,
                       .width = 137,
                       .height = 193,
                       .picture = "COVER"},
    Button("Button1", 8, 16, 273, 0, "Button1Click"),
    Button("Button5", 8, 56, 273, 1, "Button5Click"),
    Button("Button6", 8, 96, 273, 2, "Button6Click"),
    Button("Button71", 8, 136, 273, 3, "Button71Click"),
    Button("Button38", 8, 176, 273, 4, "Button38Click"),
    Button("Button2", 304, 16, 201, 5, "Button2Click"),
    Button("Button3", 304, 56, 201, 6, "Button3Click"),
};

}  // namespace

const TFormDefinition Form1Definition{.className = "TForm1",
                                      .caption = "Tervalen",
                                      .left = 504,
                                      .top = 127,
                                      .clientWidth = 700,
                                      .clientHeight = 261,
                                      .font = kWindowFont,
                                      .pixelsPerInch = 96,
                                      .textHeight = 13,
                                      .controls = kControls};
