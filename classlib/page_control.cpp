#include "page_control.h"

#include "common_controls.h"
#include "tab_sheet.h"
#include "text.h"
#include "win32_window.h"

#include <commctrl.h>

TPageControl::TPageControl(std::string_view name) : TControl(name) {}

void* TPageControl::CreateWindowHandle(void* parent, const TBounds& bounds) {
    EnsureTabControlClass();
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (TabStop() ? WS_TABSTOP : 0);
    return CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"", style, bounds.left, bounds.top, bounds.width,
                           bounds.height, static_cast<HWND>(parent), nullptr, GetModuleHandleW(nullptr), nullptr);
}

TBounds TPageControl::ClientArea() const {
    HWND tabs = static_cast<HWND>(window_);
    RECT area{};
    GetClientRect(tabs, &area);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

void TPageControl::ChildCreated(TControl& child) {
    auto* page = dynamic_cast<TTabSheet*>(&child);
    if (!page) return;
    HWND tabs = static_cast<HWND>(window_);
    std::wstring caption = WideFromText(page->Caption());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    const int index = TabCtrl_GetItemCount(tabs);
    SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    // The tabs' height is known only now that the tab exists: fit the page.
    const TBounds area = ClientArea();
    MoveWindow(static_cast<HWND>(page->Handle().handle), area.left, area.top, area.width, area.height, TRUE);
    if (index == 0) TabCtrl_SetCurSel(tabs, 0);
}
