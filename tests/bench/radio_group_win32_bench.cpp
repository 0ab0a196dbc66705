// A full repaint of the chooser's radio group under the internal skin: the group box's face and
// its three buttons' faces rebuilt and copied (also each part alone, and the group's face
// without the rest of its paint), beside a memcpy of the group's bytes in the same run.
#include "bench/against_memcpy.h"
#include "bench/bench_world_win32.h"

#include "app/internal_skin.h"
#include "controls/skinned_radio_group_win32.h"
#include "skin/skin_platform_win32.h"
#include "ui/application.h"
#include "ui/form.h"
#include "win32/dib_section.h"
#include "windows/skin_manager_win32.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace korvane {
namespace {

class ChooserLikeForm : public ui::Form {
public:
    ChooserLikeForm() : ui::Form({L"TChooserBenchForm", L"Bench", 100, 100, 370, 194}) {}
    TsRadioGroup Group{*this,
                       BoundsRect(8, 15, 353, 137),
                       {L"New style menu. Need at least AmxMod X 1.5.", L"Old style menu.", L"SourceMod Menu."},
                       0};
};

// The chooser-like form, made once in the benchmarks' shared application.
struct Scene {
    explicit Scene(bench::BenchWorld& world) : form(world.App().CreateForm<ChooserLikeForm>())
    {
        world.Manager().UpdateSkin(false);
    }
    ChooserLikeForm& form;
};

void BM_RadioGroupFullRepaint(benchmark::State& state)
{
    ChooserLikeForm& form = bench::BenchWorld::Get().SceneOf<Scene>().form;
    form.Show();
    win32::DibSection screen(353, 137);
    const int part = static_cast<int>(state.range(0));
    bench::MeasureAgainstMemcpy(state, 353 * 137 * 4, [&] {
        if (part == 3) {
            form.Group.BuildCache();
            BitBlt(screen.Dc(), 0, 0, 353, 137, form.Group.SkinData.CacheBitmap.Dc(), 0, 0, SRCCOPY);
        } else if (part != 2)
            form.Group.PaintGroupBox(screen.Dc());
        for (int i = 0; i < form.Group.Count() && part != 1; ++i) {
            TsGroupButton& button = form.Group.Button(i);
            const PixelRect bounds = button.WindowBounds();
            const int saved = SaveDC(screen.Dc());
            SetViewportOrgEx(screen.Dc(), bounds.Left, bounds.Top, nullptr);
            button.PaintRadio(screen.Dc());
            RestoreDC(screen.Dc(), saved);
        }
        GdiFlush();
    });
    form.Hide();
    const char* labels[] = {"group box and buttons", "the group box alone", "the three buttons alone",
                            "group face rebuilt and copied, and buttons"};
    state.SetLabel(labels[part]);
}
BENCHMARK(BM_RadioGroupFullRepaint)->Arg(0)->Arg(1)->Arg(2)->Arg(3);

} // namespace
} // namespace korvane
