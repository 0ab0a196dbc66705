// libFuzzer target: arbitrary bytes as a skin package, read both ways (every member unpacked, and
// members kept packed until asked for). The reader must either accept them or throw
// SkinPackageError or SkinBudgetError, never read past the end or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "skin/skin_convertor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Unpacking = korvane::TacSkinConvertor::MemberUnpacking;
    for (const Unpacking unpacking : {Unpacking::All, Unpacking::OnDemand}) {
        korvane::TacSkinConvertor reader;
        try {
            reader.Parse(std::span<const uint8_t>(data, size), korvane::SkinBudgets(), unpacking);
            if (reader.Options) {
                (void)reader.OptionsBytes();
            }
            if (const korvane::TacImageItem* item = reader.FindImage(u"MASTER.BMP")) {
                std::vector<uint8_t> storage;
                (void)korvane::TacSkinConvertor::Unpacked(*item, storage);
            }
        } catch (const korvane::SkinPackageError&) {
        } catch (const korvane::SkinBudgetError&) {
        }
    }
    return 0;
}
