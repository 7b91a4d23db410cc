#include "control.h"

#include "exceptions.h"
#include "font.h"
#include "parked_exception.h"
#include "win32_window.h"

#include <map>
#include <memory>

namespace {

constexpr wchar_t kControlProperty[] = L"TervalenControl";

class WindowClass {
public:
    WindowClass(const std::wstring& name, WNDPROC procedure, bool withApplicationIcon) : name_(name) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        if (withApplicationIcon) windowClass.hIcon = LoadIconW(windowClass.hInstance, L"MAINICON");
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = name_.c_str();
        atom_ = RegisterClassExW(&windowClass);
    }
    ~WindowClass() {
        if (atom_) UnregisterClassW(name_.c_str(), GetModuleHandleW(nullptr));
    }
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

private:
    std::wstring name_;
    ATOM atom_ = 0;
};

}  // namespace

// The one window procedure of every window class this program registers:
// finds the control the window belongs to and hands it the message. Nothing
// thrown may cross back into Win32, so errors are parked for the frame that
// called into it (the message loop, or the creation of the window).
struct TWindowProcedure {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* control = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            control->window_ = window;
            AttachControl(window, control);
        }
        TControl* control = ControlFromWindow(window);
        if (!control) return DefWindowProcW(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            AttachControl(window, nullptr);
            control->window_ = nullptr;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        try {
            return control->WindowProcedure(message, wParam, lParam);
        } catch (...) {
            ParkException(std::current_exception());
            return message == WM_NCCREATE ? FALSE : 0;
        }
    }
};

void RegisterControlClass(const std::wstring& className, bool withApplicationIcon) {
    static std::map<std::wstring, std::unique_ptr<WindowClass>> registered;
    if (!registered.count(className)) {
        registered.emplace(className,
                           std::make_unique<WindowClass>(className, &TWindowProcedure::Procedure, withApplicationIcon));
    }
}

TControl* ControlFromWindow(HWND window) noexcept {
    if (!window) return nullptr;
    return static_cast<TControl*>(GetPropW(window, kControlProperty));
}

void AttachControl(HWND window, TControl* control) noexcept {
    // A window property rather than GWLP_USERDATA: system controls are ours to
    // tag too, and this leaves their own data alone.
    if (control) {
        SetPropW(window, kControlProperty, control);
    } else {
        RemovePropW(window, kControlProperty);
    }
}

TControl::TControl(std::string_view name) : name_(name) {}

void TControl::CreateIn(TControl& parent, const TBounds& bounds, const TFont& font) {
    parent_ = &parent;
    font_ = &font;
    HWND window = static_cast<HWND>(CreateWindowHandle(parent.window_, bounds));
    RethrowParkedException();
    if (!window) throw Exception("Error creating window " + name_);
    window_ = window;
    AttachControl(window, this);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), FALSE);
    parent.children_.push_back(this);
    parent.ChildCreated(*this);
}

TBounds TControl::ClientArea() const {
    RECT client{};
    GetClientRect(static_cast<HWND>(window_), &client);
    return {0, 0, client.right, client.bottom};
}

void TControl::ChildCreated(TControl&) {}

void TControl::Click() {}

std::intptr_t TControl::WindowProcedure(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam) {
        // A push button among this window's children was clicked.
        if (TControl* button = ControlFromWindow(reinterpret_cast<HWND>(lParam))) {
            button->Click();
            return 0;
        }
    }
    return DefWindowProcW(static_cast<HWND>(window_), message, wParam, lParam);
}
