#pragma once

#include <windows.h>

#include <string>

namespace korvane {
class SkinManagerCore;
}

namespace korvane::ui {

// What a control that takes its look from a skin section knows of the skin: the section's name,
// its index in the applied skin (-1 while none), and the manager that applied it. Windows and
// windowless controls with a section answer the engine's commands through it; controls without
// one are left to the adapters of standard windows.
class SkinLink {
public:
    const std::u16string& Section() const { return m_section; }
    void SetSection(std::u16string section) { m_section = std::move(section); }
    int SectionIndex() const { return m_sectionIndex; }
    const SkinManagerCore* Manager() const { return m_manager; }

    // The engine commands every skinned control answers. SKC_ISSKINNED answers 1;
    // SKC_GETSECTIONINDEX writes the index where lParam points; SKC_SETSKIN resolves the section
    // in the sending manager's skin (the first manager that skinned the control) and SKC_REMOVESKIN forgets it (both left unanswered, so the
    // control's own handling follows). Returns true when the command was answered.
    bool HandleCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    std::u16string m_section;
    int m_sectionIndex = -1;
    const SkinManagerCore* m_manager = nullptr;
};

} // namespace korvane::ui
