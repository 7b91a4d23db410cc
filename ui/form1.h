#pragma once

#include "button.h"
#include "form.h"
#include "image.h"
#include "page_control.h"
#include "tab_sheet.h"

// The program's main window: the book's cover and one button per document.
class TForm1 : public TForm {
public:
    explicit TForm1(TApplication& owner);

    TPageControl* PageControl1;
    TTabSheet* TabSheet1;
    TButton* Button1;
    TButton* Button5;
    TButton* Button6;
    TButton* Button71;
    TButton* Button38;
    TImage* Image1;
    TButton* Button2;
    TButton* Button3;

    void Button1Click(TObject* Sender);
    void Button5Click(TObject* Sender);
    void Button6Click(TObject* Sender);
    void Button71Click(TObject* Sender);
    void Button38Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);

protected:
    TNotifyEvent FindMethod(std::string_view name) override;
};

extern TForm1* Form1;
