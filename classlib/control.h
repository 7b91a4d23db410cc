#pragma once

#include "object.h"
#include "window_ref.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TFont;

// Where a control sits inside its parent's client area, in screen pixels.
struct TBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Something with a window: the form or one of its controls. Each has a name
// (by which the form's code finds it), a parent, a font and a place in the
// tab order. Child windows go with their parent's window; the form's own
// window goes with the form.
class TControl : public TObject {
public:
    explicit TControl(std::string_view name);
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& Name() const noexcept { return name_; }
    WindowRef Handle() const noexcept { return WindowRef{window_}; }
    TControl* Parent() const noexcept { return parent_; }
    const std::vector<TControl*>& Children() const noexcept { return children_; }
    const TFont* Font() const noexcept { return font_; }

    int TabOrder() const noexcept { return tabOrder_; }
    bool TabStop() const noexcept { return tabOrder_ >= 0; }
    void SetTabOrder(int tabOrder) noexcept { tabOrder_ = tabOrder; }

    // Creates the control's window inside `parent`'s.
    void CreateIn(TControl& parent, const TBounds& bounds, const TFont& font);

    // What a click on the control does; most controls do nothing.
    virtual void Click();

    // The area a child placed in this control fills when it fills it whole.
    virtual TBounds ClientArea() const;
    // Told when a child control has been created in this one.
    virtual void ChildCreated(TControl& child);

protected:
    // Makes the window; `parent` is the parent's window.
    virtual void* CreateWindowHandle(void* parent, const TBounds& bounds) = 0;
    // Messages of the window classes this program registers itself.
    virtual std::intptr_t WindowProcedure(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

    void* window_ = nullptr;

private:
    friend struct TWindowProcedure;

    std::string name_;
    TControl* parent_ = nullptr;
    std::vector<TControl*> children_;
    const TFont* font_ = nullptr;
    int tabOrder_ = -1;
};
