#pragma once

#include "control.h"

#include <memory>

class TJPEGImage;

// Shows a JPEG picture embedded in the executable, stretched over the whole
// control. Only the picture's header is read when the control is made; it is
// decoded when first painted.
class TImage : public TControl {
public:
    // `pictureResource`: the picture's resource name, of type "JPEG".
    TImage(std::string_view name, std::string_view pictureResource);
    ~TImage() override;

protected:
    void* CreateWindowHandle(void* parent, const TBounds& bounds) override;
    std::intptr_t WindowProcedure(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

private:
    std::unique_ptr<TJPEGImage> picture_;
};
