#include "button.h"

#include "text.h"
#include "win32_window.h"

TButton::TButton(std::string_view name, std::string_view caption) : TControl(name), caption_(caption) {}

void TButton::Click() {
    if (OnClick) OnClick(this);
}

void* TButton::CreateWindowHandle(void* parent, const TBounds& bounds) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON | (TabStop() ? WS_TABSTOP : 0);
    return CreateWindowExW(0, L"BUTTON", WideFromText(caption_).c_str(), style, bounds.left, bounds.top, bounds.width,
                           bounds.height, static_cast<HWND>(parent), nullptr, GetModuleHandleW(nullptr), nullptr);
}
