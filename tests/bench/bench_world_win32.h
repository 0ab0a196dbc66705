#pragma once

// The application object and the skin manager (with the internal skin applied) that the Windows
// benchmarks share: a process may hold one application object only, so every benchmark makes its
// forms in this one. It is made on first use; a benchmark that starts the program itself releases
// it first, and the next one that needs it makes it again.
#include "app/internal_skin.h"
#include "skin/skin_platform_win32.h"
#include "ui/application.h"
#include "windows/skin_manager_win32.h"

#include <map>
#include <memory>
#include <typeindex>

namespace korvane::bench {

class BenchWorld {
public:
    // The world, made now when there is none.
    static BenchWorld& Get()
    {
        std::unique_ptr<BenchWorld>& world = Slot();
        if (!world)
            world.reset(new BenchWorld());
        return *world;
    }
    // Ends the world and every scene made in it (no application object is left).
    static void Release() { Slot().reset(); }

    ui::Application& App() { return *m_application; }
    TsSkinManager& Manager() { return *m_manager; }

    // One scene of type T for as long as the world lasts, made on first use with the world.
    template <typename Scene>
    Scene& SceneOf()
    {
        std::shared_ptr<void>& scene = m_scenes[std::type_index(typeid(Scene))];
        if (!scene)
            scene = std::make_shared<Scene>(*this);
        return *static_cast<Scene*>(scene.get());
    }

    ~BenchWorld()
    {
        // The scenes' forms and adapters go before the manager and the application they use.
        m_scenes.clear();
        m_manager.reset();
        m_application.reset();
    }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;

private:
    BenchWorld()
    {
        m_application = std::make_unique<ui::Application>();
        m_manager = std::make_unique<TsSkinManager>(m_platform);
        m_manager->BeginRestore();
        m_manager->InternalSkins.push_back({std::u16string(kInternalSkinName), InternalSkinPackage()});
        m_manager->SetSkinName(std::u16string(kInternalSkinName));
        m_manager->EndRestore();
    }
    static std::unique_ptr<BenchWorld>& Slot()
    {
        static std::unique_ptr<BenchWorld> world;
        return world;
    }

    Win32SkinPlatform m_platform;
    std::unique_ptr<ui::Application> m_application;
    std::unique_ptr<TsSkinManager> m_manager;
    std::map<std::type_index, std::shared_ptr<void>> m_scenes;
};

} // namespace korvane::bench
