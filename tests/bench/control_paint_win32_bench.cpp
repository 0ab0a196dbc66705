// What a skinned control's paint costs under the internal skin: the repaint from a fresh cache
// (one block copy), a full rebuild of a button face, and a caption with and without its glow,
// each beside a memcpy of the same bytes in the same run.
#include "bench/against_memcpy.h"
#include "bench/bench_world_win32.h"

#include "app/internal_skin.h"
#include "controls/common_data_win32.h"
#include "controls/skinned_text_win32.h"
#include "skin/skin_platform_win32.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/push_button.h"
#include "win32/dib_section.h"
#include "windows/skin_manager_win32.h"
#include "windows/window_frame_win32.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace korvane {
namespace {

class BenchForm : public ui::Form {
public:
    BenchForm() : ui::Form({L"TBenchForm", L"Bench", 100, 100, 400, 200}) {}
    ui::PushButton Button{*this, BoundsRect(20, 20, 75, 25), L"Продолжить"};
};

// One form with a skinned button under the internal skin, made once for all benchmarks.
struct Scene {
    explicit Scene(bench::BenchWorld& world) : manager(&world.Manager())
    {
        form = &world.App().CreateForm<BenchForm>();
        data = &AttachSkinData(form->Button, u"BUTTON", kKindButton);
        manager->UpdateSkin(false);
    }
    TsSkinManager* manager = nullptr;
    BenchForm* form = nullptr;
    TsCtrlSkinData* data = nullptr;
};

Scene& TheScene()
{
    return bench::BenchWorld::Get().SceneOf<Scene>();
}

void BM_FreshCacheRepaint(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    win32::DibSection cache(width, height);
    win32::DibSection screen(width, height);
    bench::MeasureAgainstMemcpy(state, static_cast<std::size_t>(width) * height * 4, [&] {
        BitBlt(screen.Dc(), 0, 0, width, height, cache.Dc(), 0, 0, SRCCOPY);
        GdiFlush();
    });
}
BENCHMARK(BM_FreshCacheRepaint)->Args({75, 25})->Args({821, 532});

void BM_ButtonFaceRebuild(benchmark::State& state)
{
    TsCtrlSkinData& data = *TheScene().data;
    data.PaintFaceToCache(0);
    bench::MeasureAgainstMemcpy(state, 75 * 25 * 4, [&] { data.PaintFaceToCache(1); });
}
BENCHMARK(BM_ButtonFaceRebuild);

void BM_SkinnedCaption(benchmark::State& state)
{
    TsCtrlSkinData& data = *TheScene().data;
    data.PaintFaceToCache(0);
    GdiGlowWorkImage work;
    const bool glow = state.range(0) != 0;
    HDC dc = data.CacheBitmap.Dc();
    bench::MeasureAgainstMemcpy(state, 75 * 25 * 4, [&] {
        if (glow)
            PaintTextGlow(dc, data.CacheBitmap.View(), L"Продолжить", BoundsRect(6, 6, 63, 13), work, 0xFFFFFF, 3, 15,
                          DT_CENTER | DT_SINGLELINE);
        DrawSkinnedText(dc, L"Продолжить", true, false, data, DT_CENTER | DT_SINGLELINE, BoundsRect(6, 6, 63, 13),
                        &work);
    });
    state.SetLabel(glow ? "with a glow of 3" : "without glow");
}
BENCHMARK(BM_SkinnedCaption)->Arg(0)->Arg(1);

// The frame of a window as large as the generated-source window (821 x 532), repainted into its
// cache in the active state and copied to the window's non-client area, as on every activation
// change, beside a memcpy of the cache's bytes.
void BM_PaintFrame(benchmark::State& state)
{
    Scene& scene = TheScene();
    const HWND window = scene.form->Handle();
    SetWindowPos(window, nullptr, 0, 0, 821, 532, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    WindowFrame frame(window, u"FORM", scene.manager,
                      [window](UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(window, m, w, l); });
    frame.Prepare();
    LRESULT ignored = 0;
    frame.Handle(WM_NCACTIVATE, TRUE, 0, ignored);
    const std::size_t bytes = static_cast<std::size_t>(frame.Cache().Width()) * frame.Cache().Height() * 4;
    bench::MeasureAgainstMemcpy(state, bytes, [&] { frame.PaintFrame(); });
    state.SetLabel("821 x 532");
}
BENCHMARK(BM_PaintFrame);

} // namespace
} // namespace korvane
