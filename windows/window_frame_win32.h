#pragma once

#include "controls/common_data_win32.h"
#include "controls/skinned_text_win32.h"
#include "render/skin_paint_source.h"
#include "win32/dib_section.h"
#include "windows/frame_geometry.h"
#include "windows/system_menu_items.h"
#include "windows/title_buttons.h"

#include <windows.h>

#include <array>
#include <functional>
#include <string>

namespace korvane {

class TsSkinManager;

// The skinned frame of one top-level window: border, title bar with icon and caption, title
// buttons with their states and glows, the corners cut from the window region, and the client
// area's face, which continues the frame and is what the window's children see behind them. The
// platform's non-client metrics stay as they are, so client sizes never change. The owner (a
// form's provider or a dialog's adapter) routes the window's messages through Handle and gives
// the window's previous handling as `previous`.
class WindowFrame {
public:
    using Previous = std::function<LRESULT(UINT, WPARAM, LPARAM)>;
    WindowFrame(HWND window, std::u16string section, TsSkinManager* manager, Previous previous);
    WindowFrame(const WindowFrame&) = delete;
    WindowFrame& operator=(const WindowFrame&) = delete;
    ~WindowFrame();

    // Takes the skin: resolves the sections, removes the system-menu style, lays out the title
    // buttons, sets the window region and repaints the frame. Nothing while the section is
    // missing.
    void Prepare();
    // Gives the window its own frame back: the system-menu style, no region.
    void Release();
    bool Skinned() const;

    // A message of the window; true when the frame answered it (the answer in `result`).
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void UpdateTitleButtons();
    // Repaints the frame cache and copies its non-client parts to the window.
    void PaintFrame();
    // The rectangles the window region leaves out.
    std::vector<PixelRect> BuildFrameRegion() const;
    int HitTest(POINT windowPoint) const;
    // Shows the system menu at a screen point and runs the chosen command.
    void ShowSystemMenu(POINT screenPoint);

    bool Active() const { return m_active; }
    bool RemovedSystemMenu() const { return m_removedSysMenu; }
    const TitleButtonData& Button(int hitCode) const;
    const win32::DibSection& Cache() const { return m_cache; }
    FrameMetrics Metrics() const;
    // The colour of the client face, for controls that ask with WM_CTLCOLOR*.
    COLORREF FaceColour() const;
    COLORREF FontColour() const;
    // Fills a child's background request with the client face (the frame cache, seen from the
    // client area's origin); false, leaving it, while the frame is not skinned.
    bool AnswerBackground(BackgroundRequest& request);
    // The window's face whose client part is the client face (null while not skinned).
    const win32::DibSection* ClientFace();
    // Copies the client face to a device context of the client area.
    void PaintClient(HDC dc);

private:
    const SkinPaintSource* Source() const;
    const TsGeneralData* SectionRecord(int index) const;
    TitleFacts Facts() const;
    void PrepareCache(const FrameMetrics& metrics);
    // The face of the whole window with the client face inside, for a frame state.
    const win32::DibSection& BaseFace(const FrameMetrics& metrics, int state);
    void PaintButtons(const BitmapView& view);
    void PaintCaption(const FrameMetrics& metrics);
    void CopyToWindow(const FrameMetrics& metrics);
    // The platform's handling of a message with redrawing off meanwhile, so that it shows none
    // of its own frame; what waited to be painted is painted again after.
    LRESULT PreviousWithoutRedraw(UINT message, WPARAM wParam, LPARAM lParam);
    void ApplyRegion();
    void SetButtonState(TitleButtonData* button, int state);
    TitleButtonData* ButtonAt(POINT windowPoint);
    void ResetHotButtons();
    void PerformButton(int hitCode);
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    POINT ToWindow(POINT screen) const;
    std::uint32_t Style() const;

    HWND m_window;
    std::u16string m_section;
    TsSkinManager* m_manager;
    Previous m_previous;
    int m_sectionIndex = -1;
    int m_titleIndex = -1;
    int m_captionIndex = -1;
    int m_pattern = -1, m_hotPattern = -1, m_titlePattern = -1, m_titleHotPattern = -1;
    bool m_active = false;
    bool m_removedSysMenu = false;
    bool m_prepared = false;
    bool m_cacheStale = true;
    bool m_tracking = false;
    int m_painting = 0;
    // Minimise, maximise, close, help.
    std::array<TitleButtonData, 4> m_buttons;
    TitleButtonData* m_pressed = nullptr;
    int m_glow = -1;
    win32::DibSection m_cache;
    std::array<win32::DibSection, 2> m_base;
    std::array<bool, 2> m_baseValid{false, false};
    int m_faceState = 0; // the state of the base last shown
    GdiGlowWorkImage m_glowWork;
    HFONT m_captionFont = nullptr; // the platform's caption font, made at the first caption
};

} // namespace korvane
