#pragma once

#include "controls/bound_label_win32.h"
#include "controls/combo_layout.h"
#include "controls/common_data_win32.h"
#include "controls/skin_target_win32.h"
#include "controls/disabled_look.h"
#include "controls/owned_adapter_win32.h"
#include "ui/combo_box.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace korvane {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A combo box that shows one cached picture of its face: the section's background and frame,
// the current item, the drop-down button from "COMBOBTN" with the arrow picture of "COMBOBOX".
// The items of its list are drawn by the control too; a list that holds more items than
// DropDownCount gets the skin's list adapter the first time it asks for its colours. A read-only
// box lets the user change neither the selection nor the text.
class TsCustomComboBox : public ui::ComboBox, public SkinTarget {
    // The edit child of a csDropDown box: its messages pass the box first.
    class EditChild : public ui::Window {
    public:
        explicit EditChild(TsCustomComboBox& box) : m_box(box) {}
        std::wstring_view ClassName() const override { return L"TsComboEdit"; }

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        TsCustomComboBox& m_box;
    };

public:
    // (combo box, index, item rectangle, owner-draw state, canvas in control coordinates).
    using DrawItemHandler =
        std::function<void(TsCustomComboBox&, int index, const PixelRect& rect, std::uint32_t state, HDC canvas)>;

    TsCustomComboBox(ui::Window& parent, const PixelRect& bounds, int itemHeight,
                     TComboBoxStyle style = TComboBoxStyle::csDropDownList);
    ~TsCustomComboBox() override;
    std::wstring_view ClassName() const override { return L"TsCustomComboBox"; }

    TsCtrlSkinData SkinData;
    TsBoundLabel BoundLabel;
    DrawItemHandler OnDrawItem;
    std::function<void()> OnDblClick;
    bool ReadOnly = false;
    int DropDownCount = 16;

    TComboBoxStyle Style() const { return m_style; }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void SetDisabledKind(TsDisabledKind kind);
    std::optional<TsDisabledKind> DisabledKindAnswer() override { return m_disabledKind; }
    bool ListDropped = false;
    HWND ListWindow() const { return m_listWindow; }
    OwnedAdapter* ListAdapter() const { return m_listAdapter.get(); }

    PixelRect ButtonRect() const;
    bool UserDrawsItems() const;
    bool Focused() const;
    // The cached face's height: the control's, or the edit line's for csSimple.
    int CacheHeight() const;
    void BuildCache();
    void PaintComboButton();
    // Shows the face in `dc` (the window's own when null), rebuilding a stale cache first.
    void PaintCombo(HDC dc);
    // One item into `dc`: the current item on the face (ODS_COMBOBOXEDIT) or an item of the list.
    void DrawItem(int index, const PixelRect& rect, std::uint32_t state, HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(ui::Message& message) override;

private:
    bool Ready() const;
    bool Skinned() const;
    bool RightToLeft() const;
    void DrawUnskinned(int index, const PixelRect& rect, std::uint32_t state, HDC dc);
    void DrawSkinned(int index, const PixelRect& rect, std::uint32_t state, HDC dc);
    void Repaint();
    void FreeListAdapter();
    LRESULT OnSkinCommand(WPARAM wParam, LPARAM lParam);
    // The box lets go of the mouse when the manager's hot window moves on.
    void HotChanged(const SkinManagerCore& manager, bool hot) override;
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;
    // A box whose painting was held back repaints now.
    bool ParentReady() override;
    // Drops what a read-only box must not act on; true when dropped, with the answer.
    bool ReadOnlyDrops(UINT message, WPARAM wParam, LRESULT& result);
    // Gives the list room for DropDownCount items before it drops.
    void FitDroppedList();
    // The edit child's message before the edit handles it; true when answered.
    bool FilterEditMessage(HWND edit, UINT message, LRESULT& result);

    TComboBoxStyle m_style;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    TsDisabledKind m_disabledKind;
    HWND m_listWindow = nullptr;
    EditChild m_edit{*this};
    OwnedAdapterPtr m_listAdapter;
};

class TsComboBox : public TsCustomComboBox {
public:
    using TsCustomComboBox::TsCustomComboBox;
    std::wstring_view ClassName() const override { return L"TsComboBox"; }
};

} // namespace korvane
