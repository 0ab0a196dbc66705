#include "controls/common_data_win32.h"

#include "controls/skin_data_rules.h"
#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "render/fade_timer.h"
#include "render/glow.h"
#include "render/section_background.h"
#include "render/skin_paint_source.h"
#include "render/skin_tables_source.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/graphic_control.h"
#include "ui/text.h"
#include "ui/window.h"
#include "win32/rect.h"

#include <algorithm>
#include <cwctype>
#include <memory>

namespace korvane {

namespace {

// The tables of a manager's loaded skin.
const SkinTables& TablesOf(const SkinManagerCore& manager)
{
    return manager.Tables();
}

LRESULT SendCommand(HWND window, SkinCommand command, std::uint16_t argument = 0, LPARAM lParam = 0)
{
    return window ? SendMessageW(window, SKM_COMMAND, EngineCommandWParam(command, argument), lParam) : 0;
}

std::u16string UpperCased(std::u16string_view text)
{
    std::u16string result(text);
    for (char16_t& c : result)
        c = static_cast<char16_t>(std::towupper(static_cast<wint_t>(c)));
    return result;
}

std::uint32_t SystemColour(int index)
{
    return GetSysColor(index) & 0xFFFFFF;
}

// Edit-like class-library controls default to the window colour, everything else to the face.
bool DefaultsToWindowColour(std::wstring_view className)
{
    return className == L"TEdit" || className == L"TMemo" || className == L"TListBox" || className == L"TComboBox" ||
           className == L"TRichEdit";
}

std::uint32_t ColourOfWindowObject(const ui::Window& window)
{
    if (window.Color() != CLR_INVALID)
        return window.Color() & 0xFFFFFF;
    return SystemColour(DefaultsToWindowColour(window.ClassName()) ? COLOR_WINDOW : COLOR_BTNFACE);
}

// The colour property of the window's object, or the face colour for a window without one.
std::uint32_t ColourOfWindow(HWND window)
{
    if (const ui::Window* object = ui::Window::FromHandle(window))
        return ColourOfWindowObject(*object);
    return SystemColour(COLOR_BTNFACE);
}

// A window's answer to SKC_GETBGCOLOR; TransparentKey when it has no skin data to answer with.
std::uint32_t BackgroundColourOf(HWND window)
{
    if (!window || !AnswersSkinCommands(window))
        return TransparentKey;
    return ChildrenColourAnswerOf(window) & 0xFFFFFF;
}

std::uint32_t GlobalColourOf(const SkinManagerCore* manager)
{
    const SkinManagerCore* source = manager ? manager : SkinManagerCore::DefaultManager();
    return source ? static_cast<std::uint32_t>(source->GlobalColor()) & 0xFFFFFF : SystemColour(COLOR_BTNFACE);
}

// The top-left corner of a window in its parent's client area.
POINT PositionInParent(HWND window, HWND parent)
{
    RECT r{};
    GetWindowRect(window, &r);
    POINT corner{r.left, r.top};
    if (parent)
        ScreenToClient(parent, &corner);
    return corner;
}

} // namespace

std::uint32_t ColourForChildren(const ui::Window& parent)
{
    if (const std::uint32_t answer = BackgroundColourOf(parent.Handle()); answer != TransparentKey)
        return answer;
    return parent.Color() != CLR_INVALID ? parent.Color() & 0xFFFFFF : SystemColour(COLOR_BTNFACE);
}

TsCommonData::TsCommonData(ui::Component& owner, bool createCache, ControlKindCode kind, TsOwnerRole role)
    : OwnerObject(&owner)
    , ControlKind(kind)
    , m_role(role)
{
    OwnerControl = role == TsOwnerRole::FormLevel ? nullptr : &owner;
    HasCache = createCache;
    Attach(owner);
}

TsCommonData::~TsCommonData()
{
    HideGlow();
}

void TsCommonData::OnTargetDestroyed()
{
    HideGlow();
    OwnerObject = nullptr;
    OwnerControl = nullptr;
}

SkinManagerCore* TsCommonData::Manager() const
{
    return m_skinManager ? m_skinManager : SkinManagerCore::DefaultManager();
}

void TsCommonData::SetSkinSection(std::u16string_view name)
{
    std::u16string upper = name.empty() ? std::u16string(u"UNKNOWN") : UpperCased(name);
    if (upper == m_skinSection)
        return;
    m_skinSection = std::move(upper);
    const SkinManagerCore* manager = Manager();
    const bool hasSections = manager && !TablesOf(*manager).Sections.empty();
    if (hasSections)
        ResolveSection();
    else
        SectionIndex = -1;
    if (m_role == TsOwnerRole::FormLevel) {
        CacheStale = true;
        return;
    }
    if (OwnerControl && !Destroying && ParentWindow() && OwnerWindow()) {
        const bool valid = hasSections && SectionIndex >= 0;
        TellSkinChanged(*OwnerObject, valid ? SkinChange::Refresh : SkinChange::Remove, manager);
    }
}

void TsCommonData::SetCustomColor(bool custom)
{
    m_customColor = custom;
    if (OwnerControl)
        ApplySkinColours(true);
}

void TsCommonData::SetCustomFont(bool custom)
{
    m_customFont = custom;
    if (OwnerControl)
        ApplySkinColours(true);
}

void TsCommonData::SetSkinManager(SkinManagerCore* manager)
{
    if (manager == SkinManagerCore::DefaultManager())
        manager = nullptr;
    if (manager == m_skinManager)
        return;
    m_skinManager = manager;
    const SkinManagerCore* used = Manager();
    const bool hasSections = used && !TablesOf(*used).Sections.empty();
    if (hasSections)
        ResolveSection();
    else
        SectionIndex = -1;
    if (OwnerControl && !Destroying && ParentWindow()) {
        const bool valid = hasSections && SectionIndex >= 0;
        TellSkinChanged(*OwnerObject, valid ? SkinChange::Refresh : SkinChange::Remove, used);
    }
}

bool TsCommonData::IsSkinned(bool requireActive) const
{
    if (m_skinSection.empty() || Destroying || !OwnerObject)
        return false;
    const SkinManagerCore* manager = Manager();
    if (!manager)
        return false;
    const SkinTables& tables = TablesOf(*manager);
    if (tables.Sections.empty() || !tables.IsValidSection(SectionIndex))
        return false;
    return !requireActive || manager->Active();
}

const TsGeneralData* TsCommonData::Section() const
{
    if (!IsSkinned())
        return nullptr;
    return &TablesOf(*Manager()).Sections[static_cast<std::size_t>(SectionIndex)];
}

void TsCommonData::ResolveSection()
{
    CacheStale = true;
    const SkinManagerCore* manager = Manager();
    SectionIndex = manager && manager->Active() ? TablesOf(*manager).FindSection(m_skinSection) : -1;
    const TsGeneralData* section = Section();
    BackgroundShape = section ? BackgroundShapeOf(*section) : 0;
    StateFlags = 0;
    if (section) {
        const SkinTables& tables = TablesOf(*manager);
        BorderMaskIndex = section->BorderIndex;
        PatternIndex = tables.FindMask(SectionIndex, m_skinSection, u"PATTERN");
        HotPatternIndex = tables.FindMask(SectionIndex, m_skinSection, u"HOTPATTERN");
        RecomputePlainBackground(false);
    } else {
        PatternIndex = -1;
        HotPatternIndex = -1;
    }
}

void TsCommonData::ChooseDefaultSection()
{
    if (!m_skinSection.empty()) {
        ResolveSection();
        return;
    }
    if (const auto section = DefaultSectionOfKind(ControlKind))
        m_skinSection = std::u16string(*section);
    else if (OwnerObject)
        m_skinSection = UpperCased(ui::ToU16(OwnerObject->ClassName()));
    ResolveSection();
}

void TsCommonData::AfterLoad()
{
    ChooseDefaultSection();
    if (IsSkinned() && ParentWindow()) {
        if (const HWND window = OwnerIsWindowed() ? OwnerWindow() : nullptr)
            SendCommand(GetAncestor(window, GA_ROOT), SKC_ADAPTCHILD, 0, reinterpret_cast<LPARAM>(OwnerObject));
    }
    ApplySkinColours(false);
}

std::uint32_t TsCommonData::ShiftColour(TsColor color) const
{
    std::uint32_t pixel = ColorToPixel(static_cast<std::uint32_t>(color) & 0xFFFFFF);
    if (HueOffset() != 0)
        pixel = ShiftPixelHue(pixel, HueOffset());
    if (Saturation() != 0)
        pixel = ShiftPixelSaturation(pixel, Saturation());
    return PixelToColor(pixel);
}

void TsCommonData::ApplySkinColours(bool repaint)
{
    const TsGeneralData* section = Section();
    auto* window = dynamic_cast<ui::Window*>(OwnerControl);
    if (!section || !window || !IsColourDrivenKind(ControlKind))
        return;
    if (!m_customColor) {
        const COLORREF colour = ShiftColour(section->Color);
        if (window->Color() != colour)
            window->SetColor(colour);
    }
    if (!m_customFont) {
        const COLORREF colour = ShiftColour(section->FontColor[1]);
        if (window->FontColor() != colour)
            window->SetFontColor(colour);
    }
    if (repaint)
        Invalidate();
}

void TsCommonData::Invalidate()
{
    if (!OwnerControl || Destroying)
        return;
    CacheStale = true;
    if (!ParentWindow())
        return;
    if (auto* window = dynamic_cast<ui::Window*>(OwnerControl)) {
        if (window->Handle())
            RedrawWindow(window->Handle(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    } else if (auto* graphic = dynamic_cast<ui::GraphicControl*>(OwnerControl)) {
        graphic->Invalidate();
        UpdateWindow(graphic->Parent().Handle());
    }
}

bool TsCommonData::IsActive() const
{
    ActiveFacts facts;
    facts.HasOwnerControl = OwnerControl != nullptr;
    facts.Destroying = Destroying;
    facts.Enabled = OwnerEnabled();
    facts.HasFocus = HasFocus;
    facts.WindowHasKeyboardFocus = OwnerIsWindowed() && OwnerWindow() && GetFocus() == OwnerWindow();
    facts.IsPanel = m_role == TsOwnerRole::Container;
    facts.MouseInside = MouseInside;
    facts.Kind = ControlKind;
    return korvane::IsActive(facts);
}

int TsCommonData::DrawingState() const
{
    const TsGeneralData* section = Section();
    return section ? LimitState(IsActive() ? 1 : 0, section->States) : 0;
}

bool TsCommonData::UsesCache() const
{
    return Animation().CaptureMode || (StateFlags & kPlainBackground) == 0 || IsActive();
}

bool TsCommonData::MustSkipPaint()
{
    SkipPaintFacts facts;
    facts.HasManager = Manager() != nullptr;
    facts.UsesCache = UsesCache();
    facts.Destroying = Destroying;
    facts.PaintSuspended = PaintSuspended;
    const HWND parent = ParentWindow();
    facts.HasParent = parent != nullptr;
    // The parent is asked only when nothing before decides.
    if (facts.HasManager && facts.UsesCache && !facts.Destroying && !facts.PaintSuspended && parent)
        facts.ParentUpdating = WindowIsUpdating(parent);
    PaintSuspended = korvane::MustSkipPaint(facts);
    return PaintSuspended;
}

void TsCommonData::PrepareCache()
{
    HasCache = true;
    const PixelRect bounds = OwnerBounds();
    CacheBitmap.Resize(std::max(bounds.Width(), 0), std::max(bounds.Height(), 0));
}

void TsCommonData::PaintFaceToCache(int state)
{
    PrepareCache();
    if (CacheBitmap.Empty() || !IsSkinned())
        return;
    PaintFaceTo(CacheBitmap.View(), GetParentBackground(), {0, 0, CacheBitmap.Width(), CacheBitmap.Height()}, state);
    CacheStale = false;
}

void TsCommonData::PaintFaceTo(const BitmapView& target, const ParentBackground& background, const PixelRect& rect,
                               int state) const
{
    if (target.IsEmpty() || !IsSkinned())
        return;
    // Another manager than the default one paints from its own tables.
    const SkinTablesPaintSource ownTables(TablesOf(*Manager()));
    ControlFaceData face;
    face.SectionIndex = SectionIndex;
    face.SectionName = m_skinSection;
    face.Manager = Manager() == SkinManagerCore::DefaultManager() ? DefaultSkinPaintSource() : &ownTables;
    face.CustomColor = m_customColor ? OwnerColour() : TransparentKey;
    face.TextureIndex = PatternIndex;
    face.HotTextureIndex = HotPatternIndex;
    face.HueOffset = HueOffset();
    face.Saturation = Saturation();
    PaintControlFace(face, background, true, target, 0, 0, rect, state);
}

std::uint32_t TsCommonData::StateColour(int state, HWND window) const
{
    const TsGeneralData* section = Section();
    if (!section) {
        if (OwnerControl || m_role == TsOwnerRole::FormLevel)
            return OwnerColour();
        return SystemColour(COLOR_BTNFACE);
    }
    const TsGenState& block = section->Props[state > 0 && section->States > 1 ? 1 : 0];
    const int transparency = ClampPercent(block.Transparency);
    const std::uint32_t own = static_cast<std::uint32_t>(block.Color) & 0xFFFFFF;
    if (transparency == 0)
        return m_customColor ? OwnerColour() : own;
    std::uint32_t parentColour = TransparentKey;
    if (OwnerControl) {
        if (const HWND parent = ParentWindow()) {
            parentColour = AnswersSkinCommands(parent) ? BackgroundColourOf(parent) : ColourOfWindow(parent);
            if (parentColour == TransparentKey)
                parentColour = ColourOfWindow(parent);
        }
    } else if (window) {
        const HWND parent = GetParent(window);
        parentColour = parent ? BackgroundColourOf(parent) : TransparentKey;
    } else {
        return SystemColour(COLOR_BTNFACE);
    }
    if (transparency == 100)
        return parentColour;
    return SeeThroughColour(parentColour, own, transparency);
}

void TsCommonData::AnswerBackground(BackgroundRequest& request, int state, HWND window) const
{
    const TsGeneralData* section = Section();
    BackgroundFacts facts;
    facts.Skinned = section != nullptr;
    facts.CustomColor = m_customColor;
    if (section) {
        const TsGenState& block = section->Props[state > 0 && section->States > 1 ? 1 : 0];
        facts.Transparency = block.Transparency;
        facts.GradientPercent = block.GradientPercent;
        facts.ImagePercent = block.ImagePercent;
    }
    facts.PlainBackground = (StateFlags & kPlainBackground) != 0;
    facts.HasCache = HasCache && !CacheBitmap.Empty();
    facts.CacheStale = CacheStale;
    const BackgroundAnswerPlan plan = PlanBackgroundAnswer(facts);
    const auto colourAnswer = [&request](std::uint32_t colour) {
        request.AnswerKind = kAnswerColour;
        request.Color = colour;
    };
    const auto cacheAnswer = [&] {
        request.AnswerKind = kAnswerBitmap;
        request.Bitmap = CacheBitmap.View();
        request.OffsetX = 0;
        request.OffsetY = 0;
        if (plan.ColourIsGlobal)
            request.Color = GlobalColourOf(Manager());
    };
    switch (plan.Kind) {
    case BackgroundAnswerKind::OwnerColour:
        colourAnswer(OwnerColour());
        return;
    case BackgroundAnswerKind::OwnCache:
        cacheAnswer();
        return;
    case BackgroundAnswerKind::KeyColour:
        colourAnswer(TransparentKey);
        return;
    case BackgroundAnswerKind::StateColour:
        colourAnswer(StateColour(state, window));
        if (facts.HasCache)
            request.Bitmap = CacheBitmap.View();
        return;
    case BackgroundAnswerKind::AskParent:
        break;
    }
    // What lies behind shows through: the parent answers, seen from this control's origin.
    if (OwnerControl) {
        AskParentBackground(request, ParentWindow());
        if (request.AnswerKind == kAnswerBitmap) {
            const PixelRect bounds = OwnerBounds();
            request.OffsetX += bounds.Left;
            request.OffsetY += bounds.Top;
        }
        return;
    }
    const HWND asked = window ? window : OwnerWindow();
    const HWND parent = asked && (GetWindowLongW(asked, GWL_STYLE) & WS_CHILD) ? GetParent(asked) : nullptr;
    if (!parent) {
        colourAnswer(GlobalColourOf(Manager()));
        return;
    }
    AskParentBackground(request, parent);
    if (request.AnswerKind == kAnswerBitmap) {
        const POINT corner = PositionInParent(asked, parent);
        request.OffsetX += corner.x;
        request.OffsetY += corner.y;
    }
}

std::uint32_t TsCommonData::ChildrenColourAnswer(const std::function<std::uint32_t()>& rest)
{
    if (!OwnerControl)
        return rest();
    const TsGeneralData* section = Section();
    if (!section)
        return OwnerColour();
    const int transparency = ClampPercent(section->Transparency);
    const std::uint32_t own = static_cast<std::uint32_t>(section->Color) & 0xFFFFFF;
    if (transparency == 0)
        return own;
    const HWND parent = ParentWindow();
    std::uint32_t parentColour = OwnerColour();
    if (parent) {
        parentColour = BackgroundColourOf(parent);
        if (parentColour == TransparentKey)
            parentColour = ColourOfWindow(parent);
    }
    return transparency == 100 ? parentColour : SeeThroughColour(parentColour, own, transparency);
}

std::optional<bool> TsCommonData::ComplexBackgroundAnswer()
{
    const TsGeneralData* section = Section();
    if (!section)
        return std::nullopt;
    // A control that shows only its parent shows what its parent shows.
    if (ClampPercent(section->Transparency) == 100)
        return WindowHasComplexBackground(ParentWindow());
    return ClampPercent(section->GradientPercent) + ClampPercent(section->ImagePercent) > 0 ||
           BackgroundFollowsPosition();
}

bool TsCommonData::BackgroundAnswer(BackgroundRequest& request)
{
    AnswerBackground(request, 0, nullptr);
    return true;
}

void TsCommonData::AskParentBackground(BackgroundRequest& request, HWND parent)
{
    request.AnswerKind = kAnswerNone;
    AskWindowBackground(parent, request);
    if (request.AnswerKind != kAnswerNone)
        return;
    request.AnswerKind = kAnswerColour;
    if (parent && ui::Window::FromHandle(parent)) {
        const std::uint32_t answer = BackgroundColourOf(parent);
        request.Color = answer == 0 || answer == TransparentKey ? ColourOfWindow(parent) : answer;
        return;
    }
    request.Color = GlobalColourOf(nullptr);
}

ParentBackground TsCommonData::GetParentBackground() const
{
    if (!IsSkinned() || !OwnerControl)
        return ColorBackground(StateColour(0), 0, 0);
    BackgroundRequest request;
    AskParentBackground(request, ParentWindow());
    const PixelRect bounds = OwnerBounds();
    const int x = request.OffsetX + bounds.Left;
    const int y = request.OffsetY + bounds.Top;
    if (request.AnswerKind == kAnswerBitmap)
        return BitmapBackground(request.Bitmap, x, y);
    return ColorBackground(request.Color, x, y);
}

ParentBackground TsCommonData::GetParentBackground(HWND window)
{
    const HWND parent = window && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
    if (!parent)
        return EmptyBackground;
    BackgroundRequest request;
    AskParentBackground(request, parent);
    const POINT corner = PositionInParent(window, parent);
    const int x = request.OffsetX + corner.x;
    const int y = request.OffsetY + corner.y;
    if (request.AnswerKind == kAnswerBitmap)
        return BitmapBackground(request.Bitmap, x, y);
    return ColorBackground(request.Color, x, y);
}

void TsCommonData::BeginUpdate()
{
    PaintSuspended = true;
    StateFlags |= kInUpdate;
    SendToOwner(SKC_BEGINUPDATE);
}

void TsCommonData::EndUpdate(bool repaint)
{
    PaintSuspended = false;
    StateFlags &= static_cast<std::uint16_t>(~kInUpdate);
    SendToOwner(SKC_ENDUPDATE);
    if (repaint)
        Invalidate();
}

void TsCommonData::RecomputePlainBackground(bool alsoChildren)
{
    StateFlags &= static_cast<std::uint16_t>(~kPlainBackground);
    const TsGeneralData* section = Section();
    const bool container = m_role == TsOwnerRole::Container || m_role == TsOwnerRole::FormLevel;
    if (section && container) {
        PlainBackgroundFacts facts;
        facts.IsContainer = true;
        if (SkinManagerCore* manager = Manager(); manager && manager->Tables().IsValidMask(BorderMaskIndex)) {
            facts.BorderLeft = manager->Tables().MaskLeftWidth(BorderMaskIndex);
            facts.BorderRight = manager->Tables().MaskRightWidth(BorderMaskIndex);
            facts.BorderTop = manager->Tables().MaskTopWidth(BorderMaskIndex);
            facts.BorderBottom = manager->Tables().MaskBottomWidth(BorderMaskIndex);
        }
        const HWND parent = ParentWindow();
        facts.HasOwnerAndParent = OwnerObject && parent;
        if (facts.HasOwnerAndParent && ClampPercent(section->Transparency) == 100)
            facts.ParentPlain = (StateFlagsOf(parent) & kPlainBackground) != 0;
        if (IsPlainBackground(*section, facts))
            StateFlags |= kPlainBackground;
    }
    if (alsoChildren && OwnerIsWindowed() && OwnerWindow())
        SendToChildren(SKC_PLAINBGSTATE, 0, 1);
}

bool TsCommonData::BackgroundFollowsPosition() const
{
    const TsGeneralData* section = Section();
    MoveFacts facts;
    facts.UrgentPainting = UrgentPainting;
    facts.Skinned = section != nullptr;
    facts.IsTabSheet = m_role == TsOwnerRole::TabSheet;
    facts.HasOwnerControl = OwnerControl != nullptr;
    facts.Enabled = OwnerEnabled();
    if (section) {
        facts.Transparency = section->Transparency;
        const HWND parent = ParentWindow();
        facts.ParentHasWindow = parent != nullptr;
        if (parent && ClampPercent(facts.Transparency) != 0 && facts.Enabled && OwnerControl && !UrgentPainting)
            facts.ParentComplex = WindowHasComplexBackground(parent);
    }
    return korvane::BackgroundFollowsPosition(facts);
}

void TsCommonData::PaintOwnBackgroundTo(HDC dc, const PixelRect& area, POINT origin, bool refreshCorners)
{
    if (CacheBitmap.Empty())
        return;
    if (refreshCorners)
        CacheStale = CacheStale || BorderMaskIndex >= 0;
    const int saved = SaveDC(dc);
    if (auto* window = dynamic_cast<ui::Window*>(OwnerObject)) {
        const RECT areaRect = win32::ToRECT(area);
        for (ui::GraphicControl* child : window->GraphicControls()) {
            RECT r = child->ControlRect();
            RECT common{};
            if (child->Visible() && IntersectRect(&common, &r, &areaRect))
                ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
        for (HWND child = GetWindow(window->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child))
                continue;
            const TsCommonData* data = nullptr;
            if (const ui::Window* object = ui::Window::FromHandle(child))
                data = Of(*object);
            const TsGeneralData* section = data ? data->Section() : nullptr;
            // Opaque children paint over what lies behind them anyway.
            if (section && ClampPercent(section->Transparency) == 0 && section->SectionName != u"SPLITTER") {
                const POINT corner = PositionInParent(child, window->Handle());
                RECT r{};
                GetWindowRect(child, &r);
                ExcludeClipRect(dc, corner.x, corner.y, corner.x + r.right - r.left, corner.y + r.bottom - r.top);
            }
        }
    }
    BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), CacheBitmap.Dc(), origin.x, origin.y, SRCCOPY);
    RestoreDC(dc, saved);
}

void TsCommonData::HideGlow()
{
    if (GlowHandle >= 0) {
        korvane::HideGlow(GlowHandle);
        GlowHandle = -1;
    }
}

void TsCommonData::UpdateGlow(bool hide)
{
    const TsGeneralData* section = Section();
    if (!GlowsAvailable() || !section || section->GlowCount < 1)
        return;
    // Hidden while the mouse is elsewhere, while the left button is held on the control, and
    // whenever the caller asks (also when no glow is shown: asking to hide never shows one).
    const bool buttonHeld = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (!MouseInside || buttonHeld || hide) {
        HideGlow();
        return;
    }
    // Glows read the default manager's tables; another manager's controls show none.
    if (Manager() != SkinManagerCore::DefaultManager())
        return;
    const HWND window = OwnerWindow();
    if (!window)
        return;
    PixelRect screen;
    PixelRect visible;
    if (OwnerIsWindowed()) {
        RECT r{};
        GetWindowRect(window, &r);
        screen = win32::FromRECT(r);
        RECT clip{0, 0, r.right - r.left, r.bottom - r.top};
        if (HDC dc = GetWindowDC(window)) {
            GetClipBox(dc, &clip);
            ReleaseDC(window, dc);
        }
        visible = win32::FromRECT(clip);
    } else {
        const PixelRect bounds = OwnerBounds();
        POINT corner{bounds.Left, bounds.Top};
        ClientToScreen(window, &corner);
        screen = BoundsRect(corner.x, corner.y, bounds.Width(), bounds.Height());
        RECT clip{};
        if (HDC dc = GetDC(window)) {
            GetClipBox(dc, &clip);
            ReleaseDC(window, dc);
        }
        // The parent's visible part seen from the control, cut to the control.
        visible = {std::max<int>(clip.left - bounds.Left, 0), std::max<int>(clip.top - bounds.Top, 0),
                   std::min<int>(clip.right - bounds.Left, bounds.Width()),
                   std::min<int>(clip.bottom - bounds.Top, bounds.Height())};
    }
    HideGlow();
    GlowHandle = ShowGlow(screen, visible, section->SectionName, DefaultSkinPaintSource(), GetAncestor(window, GA_ROOT),
                          255, section->GlowMargin, u"GLOW");
}

HWND TsCommonData::OwnerWindow() const
{
    if (auto* window = dynamic_cast<ui::Window*>(OwnerObject))
        return window->Handle();
    if (auto* graphic = dynamic_cast<ui::GraphicControl*>(OwnerObject))
        return graphic->Parent().Handle();
    return nullptr;
}

HWND TsCommonData::ParentWindow() const
{
    if (auto* graphic = dynamic_cast<ui::GraphicControl*>(OwnerObject))
        return graphic->Parent().Handle();
    const HWND window = OwnerWindow();
    // A top-level window has an owner at most, no parent to look through.
    return window && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
}

bool TsCommonData::OwnerIsWindowed() const
{
    return dynamic_cast<ui::Window*>(OwnerObject) != nullptr;
}

PixelRect TsCommonData::OwnerBounds() const
{
    if (auto* graphic = dynamic_cast<ui::GraphicControl*>(OwnerObject))
        return graphic->ControlBounds();
    if (auto* window = dynamic_cast<ui::Window*>(OwnerObject); window && window->Handle()) {
        if (m_role == TsOwnerRole::FormLevel) {
            RECT client{};
            GetClientRect(window->Handle(), &client);
            return win32::FromRECT(client);
        }
        return window->WindowBounds();
    }
    return {};
}

bool TsCommonData::OwnerEnabled() const
{
    if (auto* graphic = dynamic_cast<ui::GraphicControl*>(OwnerObject))
        return graphic->Enabled();
    const HWND window = OwnerWindow();
    return window && IsWindowEnabled(window);
}

bool TsCommonData::OwnerVisible() const
{
    if (auto* graphic = dynamic_cast<ui::GraphicControl*>(OwnerObject))
        return graphic->Visible();
    const HWND window = OwnerWindow();
    return window && IsWindowVisible(window);
}

std::uint32_t TsCommonData::OwnerColour() const
{
    if (auto* window = dynamic_cast<ui::Window*>(OwnerObject))
        return ColourOfWindowObject(*window);
    if (auto* graphic = dynamic_cast<ui::GraphicControl*>(OwnerObject))
        return ColourOfWindowObject(graphic->Parent());
    return SystemColour(COLOR_BTNFACE);
}

void TsCommonData::SendToOwner(std::uint16_t command, std::uint16_t argument, LPARAM lParam)
{
    if (!OwnerObject)
        return;
    if (m_role == TsOwnerRole::FormLevel) {
        SendCommand(OwnerWindow(), static_cast<SkinCommand>(command), argument, lParam);
        return;
    }
    OwnerObject->Perform(SKM_COMMAND, EngineCommandWParam(static_cast<SkinCommand>(command), argument), lParam);
}

void TsCommonData::SendToChildren(std::uint16_t command, std::uint16_t argument, LPARAM lParam)
{
    const HWND window = OwnerIsWindowed() ? OwnerWindow() : nullptr;
    if (!window)
        return;
    const WPARAM wParam = EngineCommandWParam(static_cast<SkinCommand>(command), argument);
    if (auto* object = ui::Window::FromHandle(window))
        for (ui::GraphicControl* child : object->GraphicControls())
            child->Perform(SKM_COMMAND, wParam, lParam);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, SKM_COMMAND, wParam, lParam);
}

void TsCommonData::RemoveSkin(const SkinManagerCore* manager)
{
    const bool own = manager == Manager();
    // A manager being destroyed is forgotten: the default one serves from now on.
    if (manager && manager == m_skinManager && manager->Destroying())
        m_skinManager = nullptr;
    if (!own)
        return;
    SectionIndex = -1;
    BorderMaskIndex = -1;
    PatternIndex = -1;
    HotPatternIndex = -1;
    PaintSuspended = true;
    CacheBitmap.Resize(0, 0);
    HideGlow();
    auto* window = dynamic_cast<ui::Window*>(OwnerControl);
    if (!window || !window->Handle())
        return;
    if (IsColourDrivenKind(ControlKind)) {
        if (!m_customColor)
            window->SetColor(SystemColour(COLOR_WINDOW));
        if (!m_customFont)
            window->SetFontColor(SystemColour(COLOR_WINDOWTEXT));
        RedrawWindow(window->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    }
    for (HWND child = GetWindow(window->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ui::Window* label = ui::Window::FromHandle(child); label && label->ClassName() == L"TLabel")
            label->SetFontColor(SystemColour(COLOR_WINDOWTEXT));
}

void TsCommonData::RefreshSkin(const SkinManagerCore* manager)
{
    if (manager != Manager())
        return;
    CacheStale = true;
    PaintSuspended = false;
    ApplySkinColours(true);
    RecomputePlainBackground(false);
}

void TsCommonData::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest)
{
    switch (change) {
    case SkinChange::Set:
        if (sender == Manager()) {
            ResolveSection();
            RecomputePlainBackground(false);
        }
        break;
    case SkinChange::Remove:
        RemoveSkin(sender);
        break;
    case SkinChange::Refresh:
        RefreshSkin(sender);
        break;
    }
    rest();
}

bool TsCommonData::HandleCommand(ui::Message& message)
{
    const EngineCommand command = EngineCommand::FromWParam(message.WParam);
    const auto answer = [&message](LRESULT result) {
        message.Result = result;
        return true;
    };
    if (const std::optional<LRESULT> answered =
            AnswerEngineCommand(*this, message.WParam, message.LParam, [&] { return CallNext(message); }))
        return answer(*answered);
    switch (command.Code) {
    case SKC_SETUPDATING:
        PaintSuspended = command.Argument == 1;
        return false;
    case SKC_SETURGENT:
        UrgentPainting = command.Argument == 1;
        return false;
    case SKC_SECTIONCHANGED:
        if (const auto* name = reinterpret_cast<const std::u16string*>(message.LParam);
            name && UpperCased(*name) == m_skinSection)
            Invalidate();
        return false;
    case SKC_SETSECTION:
        if (const auto* name = reinterpret_cast<const std::u16string*>(message.LParam))
            SetSkinSection(*name);
        return false;
    case SKC_INVALIDATECACHE:
        CacheStale = true;
        return false;
    case SKC_BGMOVED: {
        const bool follows = BackgroundFollowsPosition();
        CacheStale = CacheStale || follows;
        if (OwnerIsWindowed() && OwnerWindow()) {
            if (command.Argument == 1)
                RedrawWindow(OwnerWindow(), nullptr, nullptr,
                             RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT | RDW_INVALIDATE);
            if (follows)
                SendToChildren(SKC_BGMOVED, 0, 0);
        }
        return false;
    }
    case SKC_SETCLIPPED:
        Clipped = true;
        return false;
    case SKC_PLAINBGSTATE: // LParam 1 (a question is answered above)
        RecomputePlainBackground(true);
        return answer(0);
    case SKC_SETPRINTDC:
        PrintTarget = reinterpret_cast<HDC>(message.LParam);
        if (PrintTarget)
            StateFlags |= kPrinting;
        else
            StateFlags &= static_cast<std::uint16_t>(~kPrinting);
        return answer(0);
    default:
        return false;
    }
}

void TsCommonData::MouseEntered(ui::Component* from)
{
    SkinManagerCore* manager = SkinManagerCore::DefaultManager();
    if (!manager) {
        MouseInside = true;
        return;
    }
    if (!IsSkinned())
        return;
    // A windowed owner entered from one of its speed buttons: the others let go of the mouse.
    if (auto* window = dynamic_cast<ui::Window*>(OwnerObject)) {
        for (ui::GraphicControl* child : window->GraphicControls()) {
            if (child == OwnerObject || child == from || child->ClassName() != L"TsSpeedButton")
                continue;
            const TsCommonData* data = Of(*child);
            if ((data && data->MouseInside) || child->MouseInside())
                child->Perform(ui::CM_MOUSELEAVE);
        }
    }
    MouseInside = true;
    Manager()->RecordHotWindow(OwnerWindow());
    if (HasSharedGlow(ControlKind))
        UpdateGlow(false);
    const TsGeneralData* section = Section();
    if (IsColourDrivenKind(ControlKind) && section && section->States > 1) {
        CacheStale = true;
        if (OwnerIsWindowed())
            SendMessageW(OwnerWindow(), WM_NCPAINT, 1, 0);
    }
}

void TsCommonData::MouseLeft()
{
    if (!IsSkinned())
        return;
    MouseInside = false;
    Manager()->ForgetHotWindow(OwnerWindow());
    if (HasSharedGlow(ControlKind))
        ClearGlows();
    if (OwnerVisible() && IsColourDrivenKind(ControlKind)) {
        CacheStale = true;
        if (OwnerIsWindowed())
            SendMessageW(OwnerWindow(), WM_NCPAINT, 1, 0);
    }
}

bool TsCommonData::OnMessage(ui::Message& message)
{
    switch (message.Id) {
    case SKM_COMMAND:
        return HandleCommand(message);
    case WM_MOVE:
        if (BackgroundFollowsPosition()) {
            CacheStale = true;
            SendToOwner(SKC_BGMOVED, 1);
        }
        HideGlow();
        return false;
    case WM_SIZE:
        if (const TsGeneralData* section = Section()) {
            CacheStale = true;
            if (OwnerIsWindowed() && ClampPercent(section->GradientPercent) > 0)
                SendToChildren(SKC_BGMOVED, 1, 0);
        }
        HideGlow();
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const HWND window = OwnerIsWindowed() ? OwnerWindow() : nullptr;
        if (!window || (GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP) == 0)
            return false;
        const bool focused = message.Id == WM_SETFOCUS;
        CacheStale = true;
        HasFocus = focused;
        const TsGeneralData* section = Section();
        const bool colourDriven = IsColourDrivenKind(ControlKind);
        if ((focused && section && colourDriven && section->States > 1) ||
            (!focused && colourDriven && IsWindowVisible(window)))
            RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return false;
    }
    case ui::CM_ENABLEDCHANGED:
        MouseInside = false;
        HasFocus = false;
        if (!OwnerEnabled())
            HideGlow();
        return false;
    case WM_PARENTNOTIFY:
        if (LOWORD(message.WParam) == WM_CREATE && OwnerIsWindowed() && OwnerWindow())
            SendCommand(GetAncestor(OwnerWindow(), GA_ROOT), SKC_ADAPTCHILD, 0, reinterpret_cast<LPARAM>(OwnerObject));
        return false;
    case ui::CM_VISIBLECHANGED:
        if (HasCache) {
            if (message.WParam != 0) {
                PaintSuspended = false;
                CacheStale = true;
            } else {
                CacheBitmap.Resize(0, 0);
            }
        }
        return false;
    case ui::CM_MOUSEENTER:
        MouseEntered(reinterpret_cast<ui::Component*>(message.LParam));
        return false;
    case ui::CM_MOUSELEAVE:
        MouseLeft();
        return false;
    case ui::CM_SHOWINGCHANGED:
        if (OwnerVisible())
            AfterLoad();
        return false;
    default:
        return false;
    }
}

TsCtrlSkinData& AttachSkinData(ui::Component& component, std::u16string_view section, ControlKindCode kind,
                               bool customColor)
{
    auto data = std::make_unique<TsCtrlSkinData>(component, true, kind);
    TsCtrlSkinData& attached = *data;
    component.AddOwnedHook(std::move(data));
    attached.SetCustomColor(customColor);
    attached.SetSkinSection(section);
    attached.AfterLoad();
    return attached;
}

void TsCtrlSkinData::SetHUEOffset(int degrees)
{
    m_hueOffset = degrees;
    AfterLoad();
    Invalidate();
}

void TsCtrlSkinData::SetSaturation(int amount)
{
    m_saturation = amount;
    AfterLoad();
    Invalidate();
}

} // namespace korvane
