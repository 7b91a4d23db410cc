#pragma once

#include "form.h"

// The program's main window.
class TForm1 : public TForm {
public:
    explicit TForm1(TApplication& owner);
};

extern TForm1* Form1;
