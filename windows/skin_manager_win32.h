#pragma once

#include "controls/owned_adapter_win32.h"
#include "skin/engine_commands.h"
#include "render/skin_tables_source.h"
#include "skin/shadow_images.h"
#include "skin/skin_manager_core.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace korvane {

class TacProvider;

// The skin manager of the running program: the portable manager's loading and tables, plus what
// touches windows. It announces skin changes to every form and control with SKM_COMMAND, follows
// the window under the mouse (HotWindow), installs the thread's window-creation hook when it is
// the default manager, watches the application window's messages, and takes live-preview
// messages handed over by a form's frame.
class TsSkinManager : public SkinManagerCore, public OwnedAdapterFactory {
public:
    explicit TsSkinManager(SkinPlatform& platform);
    ~TsSkinManager() override;

    // The first manager created; every skinned control uses it.
    static TsSkinManager* DefaultManager();
    bool IsDefault() const { return DefaultManager() == this; }
    // Setting true, or false while there is no default manager, makes this the default manager
    // and applies its skin (or takes the skin off when it is not Active); otherwise nothing.
    void SetIsDefault(bool isDefault);

    HWND HotWindow() const { return m_hotWindow; }
    void RecordHotWindow(void* window) override { SetHotWindow(static_cast<HWND>(window)); }
    void ForgetHotWindow(void* window) override
    {
        if (window && window == m_hotWindow)
            SetHotWindow(nullptr);
    }
    // A different window: SKC_MOUSELEAVE to the previous one, then SKC_MOUSEENTER to the new one.
    void SetHotWindow(HWND window);

    // Sends an engine command to every form and control, in the broadcast order.
    void BroadcastCommand(SkinCommand command, LPARAM lParam);

    // A WM_COPYDATA handed over by a form: applies a live preview and returns true when the
    // message passes the checks; false leaves it to the window's normal handling.
    bool HandleCopyData(WPARAM wParam, const COPYDATASTRUCT* data);

    // The adapters skinned controls own: the edit frame of list boxes and rich edits, the list
    // adapter of combo boxes' lists.
    OwnedAdapterPtr MakeOwnedAdapter(OwnedAdapterKind kind, HWND window, std::u16string_view section,
                                     TsCommonData* skinData) override;

    bool Hooked() const { return m_hook != nullptr; }
    // What the painters read of this manager's skin.
    const SkinPaintSource& PaintSource() const { return m_paintSource; }

    // Glows are shown only when the stored setting allows them and layered windows exist (this
    // program is 64-bit, so never a 32-bit process on 64-bit Windows without composition).
    bool AllowGlowing() const;

    // What the window hook of this manager made for top-level windows, in creation order; an
    // entry is emptied when its provider goes. The manager frees them all when it goes.
    std::vector<std::unique_ptr<TacProvider>>& Providers() { return m_providers; }
    // The forms with a frame of this manager, and the dialogs its hook adapted: its broadcast
    // reaches them after the application's forms. Frames and adapters add and remove themselves.
    std::vector<HWND>& SkinnedForms() { return m_skinnedForms; }
    std::vector<HWND>& AdaptedDialogs() { return m_adaptedDialogs; }

    // Shadow borders drawn outside the frames; reads true only where layered windows exist.
    bool ExtendedBorders() const;
    void SetExtendedBorders(bool extended);
    // The extended-border shadows of active and inactive windows and their margins; nothing is
    // made and the margins are 0 without extended borders.
    const ShadowImages& Shadows() const { return m_shadows; }

protected:
    void Broadcast(SkinBroadcast command) override;
    void InstallHook() override;
    void RemoveHook() override;
    void RepaintForms(bool lockForms) override;
    void LockForms() override;
    // The application's main form has a frame provider of this manager.
    bool FramesMainForm() const;
    void ShowLoadError(const std::u16string& message) override;
    void ReleaseGlows() override;
    void PrepareShadows() override;

private:
    static LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                                  DWORD_PTR data);
    static LRESULT ApplicationWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            TsSkinManager* manager);
    // The manager as the commands carry it: a pointer to its portable part.
    LPARAM Self() const { return reinterpret_cast<LPARAM>(static_cast<const SkinManagerCore*>(this)); }
    void AttachApplicationWindow();
    void DetachApplicationWindow();

    // What the painters read of this manager's skin.
    SkinTablesPaintSource m_paintSource;
    HWND m_hotWindow = nullptr;
    HHOOK m_hook = nullptr;
    HWND m_applicationWindow = nullptr;
    std::vector<std::unique_ptr<TacProvider>> m_providers;
    std::vector<HWND> m_skinnedForms;
    std::vector<HWND> m_adaptedDialogs;
    // Forms whose redrawing LockForms switched off, until RepaintForms switches it on again.
    std::vector<HWND> m_lockedForms;
    bool m_inPreview = false;
    bool m_extendedBorders = false;
    ShadowImages m_shadows;
};

} // namespace korvane
