#include "controls/windowless_children_win32.h"

#include "controls/common_data_win32.h"
#include "controls/skin_data_rules.h"
#include "gfx/color_ops.h"
#include "gfx/piece_copy.h"
#include "render/fade_timer.h"
#include "skin/engine_commands.h"
#include "ui/graphic_control.h"
#include "win32/dib_section.h"

#include <optional>
#include <vector>

namespace korvane {

namespace {

bool g_paintingChildren = false;

LRESULT SendCommand(ui::Component& target, SkinCommand command, LPARAM lParam = 0)
{
    return target.Perform(SKM_COMMAND, EngineCommandWParam(command), lParam);
}

// A child that covers all it occupies: its section is opaque.
bool IsOpaqueChild(const ui::GraphicControl& child)
{
    const TsCommonData* data = TsCommonData::Of(child);
    const TsGeneralData* section = data ? data->Section() : nullptr;
    return section && ClampPercent(section->Transparency) == 0;
}

bool IsGoing(const ui::GraphicControl& child)
{
    const TsCommonData* data = TsCommonData::Of(child);
    return data && data->Destroying;
}

} // namespace

void PaintWindowlessChildren(HDC dc, ui::Window& container, POINT offset, bool unconditional)
{
    if (g_paintingChildren || !container.Handle() || !dc)
        return;
    if (!unconditional && !IsWindowVisible(container.Handle()))
        return;
    RECT clip{};
    if (GetClipBox(dc, &clip) == NULLREGION || IsRectEmpty(&clip)) {
        SendCommand(container, SKC_SETCLIPPED);
        return;
    }
    g_paintingChildren = true;
    struct Leave {
        ~Leave() { g_paintingChildren = false; }
    } leave;

    std::vector<ui::GraphicControl*> children;
    for (ui::GraphicControl* child : container.GraphicControls()) {
        const PixelRect bounds = child->ControlBounds();
        if (!child->Visible() || bounds.Width() <= 0 || bounds.Height() <= 0 || IsGoing(*child))
            continue;
        const RECT r{bounds.Left + offset.x, bounds.Top + offset.y, bounds.Right + offset.x, bounds.Bottom + offset.y};
        RECT common{};
        if (IntersectRect(&common, &r, &clip))
            children.push_back(child);
    }
    if (children.empty())
        return;

    RECT client{};
    GetClientRect(container.Handle(), &client);
    win32::DibSection picture(client.right, client.bottom);
    if (picture.Empty())
        return;
    const BitmapView view = picture.View();
    BackgroundRequest behind;
    AskWindowBackground(container.Handle(), behind);
    std::optional<std::uint32_t> childrenColour;
    for (ui::GraphicControl* child : children) {
        const PixelRect bounds = child->ControlBounds();
        if (IsOpaqueChild(*child)) {
            if (!childrenColour)
                childrenColour = ColourForChildren(container);
            FillRectColor(view, bounds, *childrenColour);
        } else if (behind.AnswerKind == kAnswerBitmap && !behind.Bitmap.IsEmpty()) {
            CopyRect(view, bounds.Left, bounds.Top, behind.Bitmap, bounds.Offset(behind.OffsetX, behind.OffsetY));
        } else {
            FillRectColor(view, bounds, behind.AnswerKind == kAnswerColour ? behind.Color : ColourForChildren(container));
        }
    }
    for (ui::GraphicControl* child : children) {
        const PixelRect bounds = child->ControlBounds();
        const RECT r{bounds.Left + offset.x, bounds.Top + offset.y, bounds.Right + offset.x, bounds.Bottom + offset.y};
        if (r.left < clip.left || r.top < clip.top || r.right > clip.right || r.bottom > clip.bottom)
            SendCommand(*child, SKC_SETCLIPPED);
        const int saved = SaveDC(picture.Dc());
        IntersectClipRect(picture.Dc(), bounds.Left, bounds.Top, bounds.Right, bounds.Bottom);
        child->Paint(picture.Dc());
        RestoreDC(picture.Dc(), saved);
    }
    GdiFlush();
    for (ui::GraphicControl* child : children) {
        const PixelRect bounds = child->ControlBounds();
        if (view.Contains(bounds.Left, bounds.Top) && (view.At(bounds.Left, bounds.Top) & 0xFFFFFF) == TransparentKey)
            continue;
        BitBlt(dc, bounds.Left + offset.x, bounds.Top + offset.y, bounds.Width(), bounds.Height(), picture.Dc(),
               bounds.Left, bounds.Top, SRCCOPY);
    }
}

void NotifyParentReady(ui::Window& container)
{
    if (Animation().CaptureMode || !container.Handle())
        return;
    for (HWND child = GetWindow(container.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        if (const ui::Window* object = ui::Window::FromHandle(child))
            if (const TsCommonData* data = TsCommonData::Of(*object); data && data->Destroying)
                continue;
        TellParentReady(child);
    }
}

} // namespace korvane
