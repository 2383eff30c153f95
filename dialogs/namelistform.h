#pragma once

#include "framework/TForm.h"

// The dialog that names a new play list.
class TNameListForm : public TForm {
public:
    TNameListForm();
};

extern TNameListForm* NameListForm;
