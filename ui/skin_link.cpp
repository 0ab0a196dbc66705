#include "ui/skin_link.h"

#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"

namespace korvane::ui {

bool SkinLink::HandleCommand(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (m_section.empty())
        return false;
    switch (EngineCommandOf(wParam)) {
    case SKC_ISSKINNED:
        result = 1;
        return true;
    case SKC_GETSECTIONINDEX:
        if (lParam)
            *reinterpret_cast<int*>(lParam) = m_sectionIndex;
        result = 0;
        return true;
    case SKC_SETSKIN: {
        // A control follows the first manager that skins it; another manager's skin is not its own.
        const auto* sender = reinterpret_cast<const SkinManagerCore*>(lParam);
        if (sender && (!m_manager || m_manager == sender)) {
            m_manager = sender;
            m_sectionIndex = sender->FindSection(m_section);
        }
        return false;
    }
    case SKC_REMOVESKIN:
        if (reinterpret_cast<const SkinManagerCore*>(lParam) == m_manager) {
            m_sectionIndex = -1;
            m_manager = nullptr;
        }
        return false;
    default:
        return false;
    }
}

} // namespace korvane::ui
