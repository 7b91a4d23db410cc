#include "image.h"

#include "jpeg_image.h"
#include "resource_stream.h"
#include "win32_window.h"

namespace {
constexpr wchar_t kClassName[] = L"TImage";
}

TImage::TImage(std::string_view name, std::string_view pictureResource) : TControl(name) {
    // Resource bytes live as long as the process: the picture may keep pointing at them.
    const TResourceStream picture{std::string(pictureResource), "JPEG"};
    picture_ = std::make_unique<TJPEGImage>(picture.Memory(), picture.Size());
}

TImage::~TImage() = default;

void* TImage::CreateWindowHandle(void* parent, const TBounds& bounds) {
    RegisterControlClass(kClassName, false);
    return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds.left, bounds.top,
                           bounds.width, bounds.height, static_cast<HWND>(parent), nullptr, GetModuleHandleW(nullptr),
                           this);
}

std::intptr_t TImage::WindowProcedure(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    HWND window = static_cast<HWND>(window_);
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the picture covers the whole control: nothing beneath it is drawn
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT client;
            GetClientRect(window, &client);
            try {
                picture_->Draw(dc, 0, 0, client.right, client.bottom);
            } catch (...) {
                EndPaint(window, &paint);
                throw;
            }
            EndPaint(window, &paint);
            return 0;
        }
        default:
            return TControl::WindowProcedure(message, wParam, lParam);
    }
}
