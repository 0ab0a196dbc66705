// libFuzzer target: arbitrary bytes as a skin package. The reader must either accept them or
// throw SkinPackageError, never read past the end or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/skin_convertor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    korvane::TacSkinConvertor reader;
    try {
        reader.Parse(std::span<const uint8_t>(data, size));
        if (reader.Options) {
            (void)reader.OptionsBytes();
        }
        (void)reader.FindImage(u"MASTER.BMP");
    } catch (const korvane::SkinPackageError&) {
    }
    return 0;
}
