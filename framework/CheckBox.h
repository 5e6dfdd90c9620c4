// A check box: a button whose check state is read and set.
#pragma once

#include "framework/Button.h"

class CCheckBox : public CButton {
public:
    bool IsChecked() const { return GetCheck() == BST_CHECKED; }
    void SetChecked(bool checked) { SetCheck(checked ? BST_CHECKED : BST_UNCHECKED); }
};
