// What one message costs a control that carries an adapter: WM_GETTEXTLENGTH sent to an edit of
// the class library with the edit adapter of the internal skin, against the same message sent to
// a plain platform edit beside it, in alternating batches of one run ("vs_plain": the adapted
// control's time over the plain one's).
#include "bench/bench_world_win32.h"

#include "ui/edit.h"
#include "ui/form.h"
#include "windows/edit_wnd_win32.h"

#include <benchmark/benchmark.h>

#include <windows.h>

#include <chrono>

namespace korvane {
namespace {

class MessageForm : public ui::Form {
public:
    MessageForm() : ui::Form({L"TMessageBenchForm", L"Bench", 60, 60, 300, 120}) {}
    ui::Edit Adapted{*this, BoundsRect(8, 8, 200, 21), L"text"};
};

struct Scene {
    explicit Scene(bench::BenchWorld& world)
    {
        form = &world.App().CreateForm<MessageForm>();
        world.Manager().UpdateSkin(false);
        plain = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"text", WS_CHILD | WS_VISIBLE, 8, 40, 200, 21,
                                form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!TacMainWnd::FromWindow(form->Adapted.Handle())) {
            own = MakeAdapterPtr<TacEditWnd>(form->Adapted.Handle(), u"EDIT", &world.Manager());
            own->Create(true);
        }
    }
    ~Scene() { DestroyWindow(plain); }
    MessageForm* form = nullptr;
    HWND plain = nullptr;
    AdapterPtr<TacEditWnd> own;
};

void BM_MessageToAdaptedControl(benchmark::State& state)
{
    Scene& scene = bench::BenchWorld::Get().SceneOf<Scene>();
    const HWND adapted = scene.form->Adapted.Handle();
    using Clock = std::chrono::steady_clock;
    constexpr int kBatch = 200;
    double adaptedSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < kBatch; ++i)
            benchmark::DoNotOptimize(SendMessageW(adapted, WM_GETTEXTLENGTH, 0, 0));
        const auto middle = Clock::now();
        for (int i = 0; i < kBatch; ++i)
            benchmark::DoNotOptimize(SendMessageW(scene.plain, WM_GETTEXTLENGTH, 0, 0));
        const auto end = Clock::now();
        adaptedSeconds += std::chrono::duration<double>(middle - start).count();
        plainSeconds += std::chrono::duration<double>(end - middle).count();
    }
    const double messages = static_cast<double>(state.iterations()) * kBatch;
    state.counters["adapted_us"] = adaptedSeconds * 1e6 / messages;
    state.counters["plain_us"] = plainSeconds * 1e6 / messages;
    state.counters["vs_plain"] = plainSeconds > 0 ? adaptedSeconds / plainSeconds : 0;
}
BENCHMARK(BM_MessageToAdaptedControl);

} // namespace
} // namespace korvane
