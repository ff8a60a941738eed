#pragma once
// The terms of use, shown read-only; opened from the about box's licence link.

#include "framework/Dialog.h"

class CTermOfUseDialog : public CDialog {
public:
    explicit CTermOfUseDialog(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
