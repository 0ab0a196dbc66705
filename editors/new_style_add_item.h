#pragma once

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/push_button.h"

namespace korvane {

// The item dialog of the new-style editor: one line of text; both buttons only close it.
class TNewStyle_AddItem : public ui::Form {
public:
    TNewStyle_AddItem();
    ~TNewStyle_AddItem() override;

    ui::Label Label1{*this, 8, 16, L"Item Text"};
    ui::Edit NewStyle_AddItemEdit{*this, {8, 32, 345, 21}};
    ui::PushButton Button1{*this, {88, 64, 75, 25}, L"Add"};
    ui::PushButton Button2{*this, {176, 64, 75, 25}, L"Close"};

    void FormShow();
    void Button1Click();
    void Button2Click();

protected:
    void OnShow() override { FormShow(); }
};

extern TNewStyle_AddItem* NewStyle_AddItem;

} // namespace korvane
