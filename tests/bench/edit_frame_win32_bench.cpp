// What the skinned scroll bars cost under the internal skin: one repaint of the vertical bar of a
// memo as large as the generated-source window's, beside a memcpy of the bar's bytes, and 100
// SB_LINEDOWN through a 10,000-line memo with the skinned bars against the same memo without an
// adapter, in alternating batches of one run.
#include "bench/against_memcpy.h"
#include "bench/bench_world_win32.h"

#include "app/internal_skin.h"
#include "skin/skin_platform_win32.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/memo.h"
#include "windows/edit_wnd_win32.h"
#include "windows/skin_manager_win32.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace korvane {
namespace {

class MemoForm : public ui::Form {
public:
    MemoForm() : ui::Form({L"TMemoBenchForm", L"Bench", 50, 50, 1700, 520}) {}
    ui::Memo Skinned{*this, BoundsRect(8, 8, 809, 473)};
    ui::Memo Plain{*this, BoundsRect(830, 8, 809, 473)};
};

struct Scene {
    explicit Scene(bench::BenchWorld& world)
    {
        form = &world.App().CreateForm<MemoForm>();
        world.Manager().UpdateSkin(false);
        form->Show();
        std::wstring text;
        for (int i = 0; i < 10000; ++i)
            text += L"    menu_additem(menu, \"Item " + std::to_wstring(i) + L"\", \"\", 0);\r\n";
        form->Skinned.SetText(text);
        form->Plain.SetText(text);
        if (!(adapter = dynamic_cast<TacEditWnd*>(TacMainWnd::FromWindow(form->Skinned.Handle())))) {
            own = MakeAdapterPtr<TacEditWnd>(form->Skinned.Handle(), u"EDIT", &world.Manager());
            own->Create(true);
            adapter = own.get();
        }
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME | RDW_INVALIDATE);
    }
    ~Scene() { form->Hide(); }
    MemoForm* form = nullptr;
    AdapterPtr<TacEditWnd> own;
    TacEditWnd* adapter = nullptr;
};

Scene& TheScene()
{
    return bench::BenchWorld::Get().SceneOf<Scene>();
}

void BM_SkinnedBarRepaint(benchmark::State& state)
{
    Scene& scene = TheScene();
    TacEditWnd& adapter = *scene.adapter;
    const PixelRect bar = adapter.VertBarRect();
    HDC dc = GetWindowDC(adapter.Window());
    bench::MeasureAgainstMemcpy(state, static_cast<std::size_t>(bar.Width()) * bar.Height() * 4, [&] {
        adapter.PaintBar(adapter.VertBar, dc, kBarNone, kBarNone, bar);
        GdiFlush();
    });
    ReleaseDC(adapter.Window(), dc);
    state.SetLabel(std::to_string(bar.Width()) + " x " + std::to_string(bar.Height()));
}
BENCHMARK(BM_SkinnedBarRepaint);

void BM_HundredLineDowns(benchmark::State& state)
{
    Scene& scene = TheScene();
    const HWND skinned = scene.form->Skinned.Handle();
    const HWND plain = scene.form->Plain.Handle();
    using Clock = std::chrono::steady_clock;
    const auto hundred = [](HWND memo) {
        SendMessageW(memo, WM_VSCROLL, SB_TOP, 0);
        const auto start = Clock::now();
        for (int i = 0; i < 100; ++i)
            SendMessageW(memo, WM_VSCROLL, SB_LINEDOWN, 0);
        SendMessageW(memo, WM_VSCROLL, SB_ENDSCROLL, 0);
        GdiFlush();
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    double skinnedSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        skinnedSeconds += hundred(skinned);
        plainSeconds += hundred(plain);
    }
    state.counters["skinned_vs_plain"] = plainSeconds > 0 ? skinnedSeconds / plainSeconds : 0;
    state.counters["skinned_ms"] = 1000 * skinnedSeconds / static_cast<double>(state.iterations());
    state.counters["plain_ms"] = 1000 * plainSeconds / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HundredLineDowns)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace korvane
