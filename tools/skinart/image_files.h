#pragma once

#include <string>

#include "tools/skinart/raster.h"

namespace korvane {

// Writes a 24-bit bottom-up BMP (BITMAPINFOHEADER, rows padded to 4 bytes); alpha is dropped.
// Throws std::runtime_error when the file cannot be written.
void WriteBmp24(const std::string& path, const Raster& picture);

// Writes an 8-bit RGBA PNG through libpng. Throws std::runtime_error on failure.
void WritePngRgba(const std::string& path, const Raster& picture);

} // namespace korvane
