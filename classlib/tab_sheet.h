#pragma once

#include "control.h"

#include <string>

// One page of a TPageControl: it fills the control's display area and holds
// the page's controls.
class TTabSheet : public TControl {
public:
    TTabSheet(std::string_view name, std::string_view caption);

    const std::string& Caption() const noexcept { return caption_; }

protected:
    void* CreateWindowHandle(void* parent, const TBounds& bounds) override;

private:
    std::string caption_;
};
