#pragma once

#include <string_view>

// One document the program carries: the button that opens it, the button's
// text, the name it is embedded under (type "FILE") and the name of the file
// it is written to. All texts are code page 1251.
struct TDocumentEntry {
    std::string_view ControlName;
    std::string_view Caption;
    std::string_view ResourceName;
    std::string_view FileName;
};
