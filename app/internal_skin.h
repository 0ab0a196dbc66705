#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr std::u16string_view kInternalSkinName = u"Graphite (internal)";

// The package of the internal skin, stored in the program's resources (empty when the program
// was built without one).
std::vector<uint8_t> InternalSkinPackage();

} // namespace korvane
