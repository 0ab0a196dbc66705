#include "controls/skin_link_win32.h"

#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"

#include <memory>

namespace korvane {

SkinLink& SkinLink::Link(ui::Component& component, std::u16string section)
{
    return static_cast<SkinLink&>(component.AddOwnedHook(std::make_unique<SkinLink>(std::move(section))));
}

bool SkinLink::OnMessage(ui::Message& message)
{
    if (message.Id != SKM_COMMAND || m_section.empty())
        return false;
    switch (EngineCommandOf(message.WParam)) {
    case SKC_ISSKINNED:
        message.Result = 1;
        return true;
    case SKC_GETSECTIONINDEX:
        if (message.LParam)
            *reinterpret_cast<int*>(message.LParam) = m_sectionIndex;
        message.Result = 0;
        return true;
    case SKC_SETSKIN: {
        // A control follows the first manager that skins it; another manager's skin is not its own.
        const auto* sender = reinterpret_cast<const SkinManagerCore*>(message.LParam);
        if (sender && (!m_manager || m_manager == sender)) {
            m_manager = sender;
            m_sectionIndex = sender->FindSection(m_section);
        }
        return false;
    }
    case SKC_REMOVESKIN:
        if (reinterpret_cast<const SkinManagerCore*>(message.LParam) == m_manager) {
            m_sectionIndex = -1;
            m_manager = nullptr;
        }
        return false;
    default:
        return false;
    }
}

} // namespace korvane
