#include "application_title.h"

namespace {

// Lower case in code page 1251, by table rather than by the system's locale,
// so the title does not depend on the machine.
unsigned char LowerCp1251(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF)) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
        case 0x80: return 0x90;  // Ђ
        case 0x81: return 0x83;  // Ѓ
        case 0x8A: return 0x9A;  // Љ
        case 0x8C: return 0x9C;  // Њ
        case 0x8D: return 0x9D;  // Ќ
        case 0x8E: return 0x9E;  // Ћ
        case 0x8F: return 0x9F;  // Џ
        case 0xA1: return 0xA2;  // Ў
        case 0xA3: return 0xBC;  // Ј
        case 0xA5: return 0xB4;  // Ґ
        case 0xA8: return 0xB8;  // Ё
        case 0xAA: return 0xBA;  // Є
        case 0xAF: return 0xBF;  // Ї
        case 0xB2: return 0xB3;  // І
        case 0xBD: return 0xBE;  // Ѕ
        default: return c;
    }
}

}  // namespace

std::string ApplicationTitle(std::string_view moduleFileName) {
    const std::size_t slash = moduleFileName.find_last_of('\\');
    std::string_view name = slash == std::string_view::npos ? moduleFileName : moduleFileName.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i) {
        title[i] = static_cast<char>(LowerCp1251(static_cast<unsigned char>(title[i])));
    }
    return title;
}
