#pragma once

#include "controls/common_data_win32.h"
#include "controls/group_caption.h"
#include "controls/skinned_text_win32.h"
#include "ui/window.h"

#include <string>
#include <string_view>

namespace korvane {

// A group box painted from the skin's "GROUPBOX" section: the strip above its frame shows what
// lies behind it, the frame starts through the middle of the caption strip, the caption sits on
// its own strip (a section of its own, or "CHECKBOX", or the parent's background) in the skin's
// font colours. Its face is rebuilt at every paint and copied around its opaque children; its
// windowless children are then painted over it, and its windowed children that waited for the
// face are told it is ready. Unskinned it paints the platform's etched frame.
class TsGroupBox : public ui::Window, public SkinTarget {
    // Engine commands that must be answered before the skin data answers them.
    class CommandFront : public ui::MessageHook, public SkinTarget {
    public:
        explicit CommandFront(TsGroupBox& box);

        // The box repaints its face at every paint: it is updating while that face is stale or
        // its paint is held back.
        std::optional<bool> UpdatingAnswer() override;
        // With a caption section of its own the box's cache holds the caption's background too:
        // children look at the cache itself.
        bool BackgroundAnswer(BackgroundRequest& request) override;
        void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;

    protected:
        bool OnMessage(ui::Message& message) override;

    private:
        TsGroupBox& m_box;
    };
    CommandFront m_front{*this};

public:
    TsGroupBox(ui::Window& parent, const PixelRect& bounds, std::wstring_view caption = {});
    ~TsGroupBox() override;
    std::wstring_view ClassName() const override { return L"TsGroupBox"; }
    ui::Window& Parent() const { return m_parent; }

    TsCtrlSkinData SkinData;
    // A box whose painting was held back is redrawn now, unless its parent still holds it.
    bool ParentReady() override;
    // Any change but a new skin (which the front hook passed on) goes on to the children and
    // repaints the box; the notice ends here.
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;

    TsGroupCaptionLayout CaptionLayout() const { return m_captionLayout; }
    void SetCaptionLayout(TsGroupCaptionLayout layout);
    int CaptionYOffset() const { return m_captionYOffset; }
    void SetCaptionYOffset(int offset);
    // The section painted under the caption; empty: "CHECKBOX" or the parent's background.
    const std::u16string& CaptionSkin() const { return m_captionSkin; }
    void SetCaptionSkin(std::u16string_view section);

    // max(4, height of "W" in the box's font) + 2.
    int CaptionHeight() const;
    PixelRect CaptionRect() const;
    void BuildCache();
    void PaintCaption(const PixelRect& caption, const ParentBackground& background);
    void PaintGroupBox(HDC dc);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool SkinnedNow() const;
    // The width of the caption in the box's font.
    int CaptionTextWidth() const;

private:
    void PaintUnskinned(HDC dc);
    void PaintPlatformLook(HDC dc);
    void Repaint();
    HGDIOBJ FontObject() const;
    PixelSize TextExtent(const std::wstring& text) const;

    ui::Window& m_parent;
    TsGroupCaptionLayout m_captionLayout = TsGroupCaptionLayout::clTopLeft;
    int m_captionYOffset = 0;
    std::u16string m_captionSkin;
    GdiGlowWorkImage m_glowWork;
};

} // namespace korvane
