#include "form.h"

#include "application.h"
#include "exceptions.h"
#include "font.h"
#include "image.h"
#include "page_control.h"
#include "parked_exception.h"
#include "scaling.h"
#include "tab_order.h"
#include "tab_sheet.h"
#include "text.h"
#include "win32_window.h"

#include <algorithm>

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
}

bool KeyIsDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

TForm::TForm(TApplication& application) : TControl(""), application_(application) {}

TForm::~TForm() {
    // The controls' windows go with the form's; the controls themselves after.
    if (window_) DestroyWindow(static_cast<HWND>(window_));
}

void TForm::Load(const TFormDefinition& definition) {
    className_ = WideFromText(definition.className);
    caption_ = definition.caption;
    designPixelsPerInch_ = definition.pixelsPerInch;
    designTextHeight_ = definition.textHeight;
    pixelsPerInch_ = ScreenPixelsPerInch();

    // The form's font follows the screen's density; the layout then follows
    // the text height that font really has.
    TFontDefinition formFontDefinition = definition.font;
    formFontDefinition.height = ScaleFontHeight(definition.font.height, pixelsPerInch_, designPixelsPerInch_);
    fonts_.push_back(std::make_unique<TFont>(formFontDefinition, formFontDefinition.height));
    const TFont& formFont = *fonts_.back();
    textHeight_ = formFont.TextHeight();
    auto scale = [this](int length) { return ScaleLength(length, textHeight_, designTextHeight_); };

    // The position on the screen is kept as designed; only the size scales.
    CreateWindowHandle(nullptr, {definition.left, definition.top, scale(definition.clientWidth),
                                 scale(definition.clientHeight)});
    SendMessageW(static_cast<HWND>(window_), WM_SETFONT, reinterpret_cast<WPARAM>(formFont.Handle()), FALSE);

    for (const TControlDefinition& control : definition.controls) {
        std::unique_ptr<TControl> made = MakeControl(control);
        TControl* parent = control.parent.empty() ? this : FindControl(control.parent);
        if (!parent) ThrowMissingComponent(control.parent);
        const TBounds bounds = control.kind == TControlKind::TabSheet
                                   ? parent->ClientArea()
                                   : TBounds{scale(control.left), scale(control.top), scale(control.width),
                                             scale(control.height)};
        const TFont& font = control.font ? FontFor(*control.font) : *parent->Font();
        made->SetTabOrder(control.tabOrder);
        made->CreateIn(*parent, bounds, font);
        if (auto* button = dynamic_cast<TButton*>(made.get()); button && !control.onClick.empty()) {
            button->OnClick = FindMethod(control.onClick);
        }
        components_.push_back(std::move(made));
    }
    CollectTabStops(*this);
}

const TFont& TForm::FontFor(const TFontDefinition& definition) {
    // A control's own font scales with the layout, as its positions do.
    const int height = ScaleLength(definition.height, textHeight_, designTextHeight_);
    fonts_.push_back(std::make_unique<TFont>(definition, height));
    return *fonts_.back();
}

std::unique_ptr<TControl> TForm::MakeControl(const TControlDefinition& definition) {
    switch (definition.kind) {
        case TControlKind::PageControl:
            return std::make_unique<TPageControl>(definition.name);
        case TControlKind::TabSheet:
            return std::make_unique<TTabSheet>(definition.name, definition.caption);
        case TControlKind::Image:
            return std::make_unique<TImage>(definition.name, definition.picture);
        case TControlKind::Button:
            return std::make_unique<TButton>(definition.name, definition.caption);
    }
    throw Exception("Unknown control kind for " + std::string(definition.name));
}

TNotifyEvent TForm::FindMethod(std::string_view name) {
    throw Exception("Method " + std::string(name) + " not found");
}

TControl* TForm::FindControl(std::string_view name) const {
    for (const auto& control : components_) {
        if (control->Name() == name) return control.get();
    }
    return nullptr;
}

void TForm::ThrowMissingComponent(std::string_view name) {
    throw Exception("Component " + std::string(name) + " not found");
}

void TForm::CollectTabStops(const TControl& container) {
    std::vector<TControl*> children = container.Children();
    std::stable_sort(children.begin(), children.end(),
                     [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (TControl* child : children) {
        if (child->TabStop()) tabStops_.push_back(child);
        CollectTabStops(*child);
    }
}

void* TForm::CreateWindowHandle(void*, const TBounds& bounds) {
    RegisterControlClass(className_, true);
    RECT frame{0, 0, bounds.width, bounds.height};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    CreateWindowExW(kFormExStyle, className_.c_str(), WideFromText(caption_).c_str(), kFormStyle, bounds.left,
                    bounds.top, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                    GetModuleHandleW(nullptr), static_cast<TControl*>(this));
    RethrowParkedException();
    if (!window_) throw Exception("Error creating window");
    return window_;
}

void TForm::Show() {
    ShowWindow(static_cast<HWND>(window_), SW_SHOWNORMAL);
    UpdateWindow(static_cast<HWND>(window_));
}

void TForm::MoveFocus(bool forward) {
    HWND focus = GetFocus();
    std::optional<std::size_t> current;
    for (std::size_t i = 0; i < tabStops_.size(); ++i) {
        if (tabStops_[i]->Handle().handle == focus) current = i;
    }
    if (auto next = NextInTabOrder(tabStops_.size(), current, forward)) {
        SetFocus(static_cast<HWND>(tabStops_[*next]->Handle().handle));
    }
}

bool TForm::MoveFocusAmongButtons(TControl& focused, bool forward) {
    std::vector<TControl*> group;
    for (TControl* control : tabStops_) {
        if (control->Parent() == focused.Parent() && dynamic_cast<TButton*>(control)) group.push_back(control);
    }
    const auto current = std::find(group.begin(), group.end(), &focused);
    if (current == group.end()) return false;
    const auto next = NextInTabOrder(group.size(), static_cast<std::size_t>(current - group.begin()), forward);
    SetFocus(static_cast<HWND>(group[*next]->Handle().handle));
    return true;
}

void TForm::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(static_cast<HWND>(window_), focus)) lastFocus_ = focus;
}

void TForm::RestoreFocus() {
    HWND focus = static_cast<HWND>(lastFocus_);
    if (!focus || !IsWindow(focus)) {
        if (tabStops_.empty()) return;
        focus = static_cast<HWND>(tabStops_.front()->Handle().handle);
    }
    SetFocus(focus);
}

bool TForm::PreTranslateMessage(const tagMSG* message) {
    HWND window = static_cast<HWND>(window_);
    if (message->message != WM_KEYDOWN || !window) return false;
    if (message->hwnd != window && !IsChild(window, message->hwnd)) return false;

    TControl* focused = ControlFromWindow(GetFocus());
    auto* button = dynamic_cast<TButton*>(focused);
    switch (message->wParam) {
        case VK_TAB:
            if (KeyIsDown(VK_CONTROL) || KeyIsDown(VK_MENU)) return false;
            MoveFocus(!KeyIsDown(VK_SHIFT));
            return true;
        case VK_RIGHT:
        case VK_DOWN:
        case VK_LEFT:
        case VK_UP:
            // On the page control the arrows are its own: they switch pages.
            return button && MoveFocusAmongButtons(*button, message->wParam == VK_RIGHT || message->wParam == VK_DOWN);
        case VK_RETURN:
            // No button is a default button: Enter clicks only a focused one.
            if (button) button->Click();
            return true;
        case VK_ESCAPE:
            return true;  // no button is a cancel button
        default:
            return false;
    }
}

std::intptr_t TForm::WindowProcedure(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    HWND window = static_cast<HWND>(window_);
    switch (message) {
        case WM_ACTIVATE:
            // Like a dialog, the form remembers which control had the focus
            // when it was left (an error box, another program, minimising) and
            // gives it back; the first time, the first control in tab order.
            if (LOWORD(wParam) == WA_INACTIVE) {
                RememberFocus();
            } else if (!HIWORD(wParam)) {
                RestoreFocus();
            }
            return 0;
        case WM_SETFOCUS:
            // The form itself takes no keys: pass the focus on to its control.
            RestoreFocus();
            return 0;
        case WM_SYSCOMMAND:
            // A minimised window may keep its activation while it loses the
            // focus, and then gets no WM_ACTIVATE when it is restored: the
            // focus is remembered and given back around the command itself.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) RememberFocus();
            if ((wParam & 0xFFF0) == SC_RESTORE) {
                const std::intptr_t result = TControl::WindowProcedure(message, wParam, lParam);
                if (GetActiveWindow() == window && (!GetFocus() || GetFocus() == window)) RestoreFocus();
                return result;
            }
            break;
        case WM_DESTROY:
            if (application_.MainForm() == this) application_.Terminate();
            break;
        default:
            break;
    }
    return TControl::WindowProcedure(message, wParam, lParam);
}
