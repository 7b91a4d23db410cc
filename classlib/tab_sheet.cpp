#include "tab_sheet.h"

#include "text.h"
#include "win32_window.h"

namespace {
constexpr wchar_t kClassName[] = L"TTabSheet";
}

TTabSheet::TTabSheet(std::string_view name, std::string_view caption) : TControl(name), caption_(caption) {}

void* TTabSheet::CreateWindowHandle(void* parent, const TBounds& bounds) {
    RegisterControlClass(kClassName, false);
    // The page's caption is also its window text, so that tools can read it.
    return CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, WideFromText(caption_).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           bounds.left, bounds.top, bounds.width, bounds.height, static_cast<HWND>(parent), nullptr,
                           GetModuleHandleW(nullptr), this);
}
