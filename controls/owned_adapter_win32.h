#pragma once

#include "skin/engine_commands.h"
#include "win32/dib_section.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace korvane {

class SkinManagerCore;
class TsCommonData;

// An adapter of the skinned windows that a skinned control attaches to a window of its own and
// owns: the edit frame with the skin's border and scroll bars of a list box or a rich edit, or
// the frame and bars of a combo box's dropped list. The windows layer's skin manager makes them;
// the controls reach them only through this interface.
class OwnedAdapter {
public:
    // Gives the window back and frees the adapter, at once or, while the adapter is handling a
    // message of its window, when that message returns. OwnedAdapterPtr calls it.
    virtual void Free() noexcept = 0;

    // The window is gone (or was given back): the adapter serves nothing any more.
    virtual bool WindowGone() const = 0;
    // The width of the window's border the adapter paints (its left edge).
    virtual int BorderWidth() const = 0;
    // The thickness of the vertical and the horizontal bar while shown, else 0.
    virtual int VertBarWidth() const = 0;
    virtual int HorzBarHeight() const = 0;
    // The picture of the whole window with its frame, rebuilt first when stale; null when the
    // adapter keeps none.
    virtual const win32::DibSection* FreshFrameCache() = 0;
    virtual void MarkCacheStale() = 0;
    // Into a foreign context: the frame cache rebuilt, the borders-mask corners refreshed, the
    // frame strips copied and the bars painted.
    virtual void PrintFrame(HDC dc) = 0;
    // A skin change the owning control heard, passed on to the adapter.
    virtual void PassOnSkinChange(SkinChange change, const SkinManagerCore* sender) = 0;

protected:
    // Only Free deletes an adapter: its own window's message may be what drops it.
    virtual ~OwnedAdapter() = default;
};

struct FreeOwnedAdapter {
    void operator()(OwnedAdapter* adapter) const noexcept
    {
        if (adapter)
            adapter->Free();
    }
};
using OwnedAdapterPtr = std::unique_ptr<OwnedAdapter, FreeOwnedAdapter>;

enum class OwnedAdapterKind {
    EditFrame,       // the edit-frame adapter, with the control's own skin data
    ComboList,       // the dropped list of a combo box
    SimpleComboList, // the always shown list of a csSimple combo box
};

// What makes the adapters skinned controls own, with the section and the control's skin data:
// the skin manager of the windows layer. Null when it cannot, or when the window has an adapter
// already.
class OwnedAdapterFactory {
public:
    virtual OwnedAdapterPtr MakeOwnedAdapter(OwnedAdapterKind kind, HWND window, std::u16string_view section,
                                             TsCommonData* skinData) = 0;

protected:
    ~OwnedAdapterFactory() = default;
};
// The adapter the skin data's manager makes, or null (its manager makes none, or made none).
OwnedAdapterPtr MakeOwnedAdapter(OwnedAdapterKind kind, HWND window, std::u16string_view section,
                                 TsCommonData& skinData);

// AttachEditAdapter: while the skin data is skinned, an adapter whose window is gone is freed
// and, when none is left, the edit-frame adapter is made for the owner's window with the skin
// data's section; while not skinned the adapter is freed.
void AttachEditAdapter(TsCommonData& skinData, HWND window, OwnedAdapterPtr& adapter);

} // namespace korvane
