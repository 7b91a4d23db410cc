#pragma once

#include "control.h"

// A set of pages with a tab each; the pages are its TTabSheet children.
class TPageControl : public TControl {
public:
    explicit TPageControl(std::string_view name);

    // The display area below the tabs, where a page goes.
    TBounds ClientArea() const override;
    void ChildCreated(TControl& child) override;

protected:
    void* CreateWindowHandle(void* parent, const TBounds& bounds) override;
};
