#include "app/internal_skin.h"

#include "ui/program_resource.h"

namespace korvane {

std::vector<uint8_t> InternalSkinPackage()
{
    const std::span<const uint8_t> bytes = ui::ProgramResource(L"SKIN_GRAPHITE");
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

} // namespace korvane
