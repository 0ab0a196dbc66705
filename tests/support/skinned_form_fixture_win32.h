#pragma once

// A form of skinned boxes under a skin manager that holds a fixture skin: what the control tests
// build their cases on.
#include "controls/common_data_win32.h"
#include "skin/engine_commands.h"
#include "skin/skin_platform_win32.h"
#include "support/skin_test_data.h"
#include "ui/application.h"
#include "ui/form.h"
#include "windows/skin_manager_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace korvane::test {

inline std::vector<std::uint8_t> GlowPicture()
{
    return test::MakePng(24, 24, std::vector<std::uint32_t>(24 * 24, 0x80FFFFFFu), true);
}

// A skinned child window that paints its section's face from its cache.
class SkinnedBox : public ui::Window {
public:
    SkinnedBox(ui::Window& parent, const PixelRect& bounds, std::u16string_view section,
               TsOwnerRole role = TsOwnerRole::Control)
        : Data(*this, true, 0, role)
    {
        RegisterOwnClass(L"KorvaneSkinnedBox", 0, nullptr);
        CreateOwnWindow(L"KorvaneSkinnedBox", 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds, parent.Handle(),
                        nullptr, {});
        Data.SetSkinSection(section);
        Data.AfterLoad();
    }
    TsCtrlSkinData Data;

protected:
    bool PaintsClient() const override { return true; }
    std::optional<LRESULT> OnEraseBackground(HDC) override { return 1; }
    void OnPaint(ui::PaintContext& paint) override
    {
        if (Data.MustSkipPaint())
            return;
        if (Data.CacheStale)
            Data.PaintFaceToCache(Data.DrawingState());
        if (!Data.CacheBitmap.Empty())
            BitBlt(paint.Dc, 0, 0, Data.CacheBitmap.Width(), Data.CacheBitmap.Height(), Data.CacheBitmap.Dc(), 0, 0,
                   SRCCOPY);
    }
};

class BoxForm : public ui::Form {
public:
    BoxForm() : ui::Form({L"TBoxForm", L"Boxes", 200, 200, 300, 200}) {}
};

// The fixture: an application with one form, a manager whose skin is `Options()` plus a glow
// picture, applied by Apply() once the boxes exist.
class SkinnedFormTest : public ::testing::Test {
protected:
    virtual std::string Options() const = 0;
    // The pictures packed beside the options.
    virtual std::vector<test::PackageMember> Pictures() const { return {{"GLOW.PNG", GlowPicture()}}; }
    void SetUp() override
    {
        m_application = std::make_unique<ui::Application>();
        m_form = &m_application->CreateForm<BoxForm>();
        m_manager = std::make_unique<TsSkinManager>(m_platform);
        m_manager->BeginRestore();
        m_manager->InternalSkins.push_back(
            {u"Fixture", [this] {
                 std::vector<test::PackageMember> members{{"Options.dat", test::Bytes(Options())}};
                 for (test::PackageMember& picture : Pictures())
                     members.push_back(std::move(picture));
                 return test::MakePackage(members);
             }()});
        m_manager->SetSkinDirectory(u"c:\\no such skins folder");
        m_manager->SetSkinName(u"Fixture");
    }
    void Apply()
    {
        m_manager->EndRestore();
        m_form->Show();
        UpdateWindow(m_form->Handle());
        RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    void TearDown() override
    {
        m_form->Hide();
        m_boxes.clear();
        m_manager.reset();
        m_application.reset();
    }
    SkinnedBox& Box(ui::Window& parent, const PixelRect& bounds, std::u16string_view section,
                    TsOwnerRole role = TsOwnerRole::Control)
    {
        m_boxes.push_back(std::make_unique<SkinnedBox>(parent, bounds, section, role));
        return *m_boxes.back();
    }
    static BackgroundRequest Ask(const ui::Window& window)
    {
        BackgroundRequest request;
        SendMessageW(window.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_GETBACKGROUND),
                     reinterpret_cast<LPARAM>(&request));
        return request;
    }

    Win32SkinPlatform m_platform;
    std::unique_ptr<ui::Application> m_application;
    BoxForm* m_form = nullptr;
    std::unique_ptr<TsSkinManager> m_manager;
    std::vector<std::unique_ptr<SkinnedBox>> m_boxes;
};

} // namespace korvane::test
