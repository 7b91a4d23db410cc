#include "message_box.h"

#include "text.h"

#include <windows.h>

void ShowErrorBox(WindowRef owner, const std::string& caption, const std::string& text) noexcept {
    HWND focus = GetFocus();
    MessageBoxW(static_cast<HWND>(owner.handle), WideFromText(text).c_str(), WideFromText(caption).c_str(),
                MB_OK | MB_ICONERROR);
    if (focus && IsWindow(focus)) SetFocus(focus);
}
