#pragma once

#include "ui/component.h"

#include <string>

namespace korvane {

class SkinManagerCore;

// Ties a control to a skin section by name: it answers the engine's commands on the control's
// behalf (SKC_ISSKINNED answers 1 whether or not the skin has the section; SKC_GETSECTIONINDEX
// writes the resolved index), follows the first manager that skins the control (SKC_SETSKIN
// resolves the section in its skin, SKC_REMOVESKIN forgets it) and leaves those two commands to
// the control's own handling afterwards. Controls without a link are left to the adapters of
// standard windows.
class SkinLink : public ui::MessageHook {
public:
    explicit SkinLink(std::u16string section) : m_section(std::move(section)) {}

    // Gives the component a link to the section, kept by the component.
    static SkinLink& Link(ui::Component& component, std::u16string section);
    // The component's link, or null.
    static SkinLink* Of(const ui::Component& component) { return component.FindHook<SkinLink>(); }

    const std::u16string& Section() const { return m_section; }
    int SectionIndex() const { return m_sectionIndex; }
    const SkinManagerCore* Manager() const { return m_manager; }

protected:
    bool OnMessage(ui::Message& message) override;

private:
    std::u16string m_section;
    int m_sectionIndex = -1;
    const SkinManagerCore* m_manager = nullptr;
};

} // namespace korvane
