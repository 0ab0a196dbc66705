#pragma once

#include "controls/bound_label_win32.h"
#include "controls/common_data_win32.h"
#include "controls/skin_target_win32.h"
#include "controls/disabled_look.h"
#include "controls/owned_adapter_win32.h"
#include "ui/list_box.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace korvane {

// A list box that draws its items itself: each visible item is composed in a small bitmap of its
// own over the face the edit-frame adapter keeps of the whole control, the selected one on the
// skin's "SELECTION" section, and the client area no item covers is copied from that face. The
// frame and the scroll bars are the edit-frame adapter's, attached to the list box's own window
// with the list box's skin data. Unskinned it draws its items in the system's colours.
class TsCustomListBox : public ui::ListBox, public SkinTarget {
public:
    // (list box, index, item rectangle, owner-draw state, canvas); the canvas draws in the
    // control's client coordinates.
    using DrawItemHandler =
        std::function<void(TsCustomListBox&, int index, const PixelRect& rect, std::uint32_t state, HDC canvas)>;

    // `autoHideScroll` false keeps the vertical bar shown (disabled) when it is not needed; the
    // window is made with it, so it is given here.
    TsCustomListBox(ui::Window& parent, const PixelRect& bounds, int itemHeight, bool autoHideScroll = true);
    ~TsCustomListBox() override;
    std::wstring_view ClassName() const override { return L"TsCustomListBox"; }

    TsCtrlSkinData SkinData;
    TsBoundLabel BoundLabel;
    DrawItemHandler OnDrawItem;
    // Stored; nothing depends on it.
    std::uint16_t AutoCompleteDelay = 500;

    bool AutoHideScroll() const { return m_autoHideScroll; }
    TsDisabledKind DisabledKind() const { return m_disabledKind; }
    void SetDisabledKind(TsDisabledKind kind);
    std::optional<TsDisabledKind> DisabledKindAnswer() override { return m_disabledKind; }
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;
    OwnedAdapter* EditAdapter() const { return m_editAdapter.get(); }

    // The owner-draw entry: one item into `dc` at its client rectangle.
    void DrawItem(int index, const PixelRect& rect, std::uint32_t state, HDC dc);
    // The skinned paint: the visible items and the uncovered strips.
    void PaintItems(HDC dc);
    void AttachEditAdapter();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(ui::Message& message) override;

private:
    // The window exists, has a parent and is not going.
    bool Ready() const;
    bool Skinned() const;
    // The face the items are composed on: the adapter's frame cache, else the own cache.
    const win32::DibSection* Face();
    void DrawUnskinned(int index, const PixelRect& rect, std::uint32_t state, HDC dc);
    void DrawSkinned(int index, const PixelRect& rect, std::uint32_t state, HDC dc);
    // Around a scroll: redrawing off, the platform scrolls, redrawing on.
    LRESULT Scroll(UINT message, WPARAM wParam, LPARAM lParam, bool updateNow);

    bool m_autoHideScroll = true;
    TsDisabledKind m_disabledKind;
    // Freed first when the list box goes, before the bound label and the skin data.
    OwnedAdapterPtr m_editAdapter;
};

class TsListBox : public TsCustomListBox {
public:
    using TsCustomListBox::TsCustomListBox;
    std::wstring_view ClassName() const override { return L"TsListBox"; }
};

} // namespace korvane
