#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/bitmap32.h"
#include "image/decoded_image.h"
#include "skin/skin_budgets.h"
#include "skin/skin_convertor.h"
#include "skin/skin_files.h"

namespace korvane {

// The decoded pictures of one skin load. Each picture (a package member, or a file) is decoded
// once and shared by every key that names it for the same use; together the pictures may take
// at most a budget of bytes (4 per pixel), and a picture that would exceed it is refused, by the
// size its header declares, before its pixels are allocated.
class SkinPictures {
public:
    // The budget of a load (SkinBudgets::PictureBytes): 256 MiB, 64 mebipixels, the size of the
    // largest picture accepted. A picture file may have 1 MiB more, for its encoding.
    static constexpr std::size_t kDefaultBudget = SkinBudgets().PictureBytes;

    // Where pictures come from: the members of `package` (when set), or the files named, with
    // `skinPath` in front of names without ":".
    SkinPictures(const TacSkinConvertor* package, std::u16string skinPath, std::size_t budget = kDefaultBudget);

    // How a use prepares a picture. Pictures of fewer than 32 bits become opaque but for the key
    // colour in every use; glows also turn the transparent white of 32-bit PNGs into transparent
    // black. The master bitmap and the patterns keep copies of their own: the colour change
    // treats them differently from the entries' images.
    enum class Use : uint8_t { Master, Entry, Glow, Pattern };

    // The picture for a use: the package member whose ASCII-upper-cased name equals
    // `memberName`, or (for folder skins, or when filesOnly) the file `fileName`. Null when there
    // is none; a damaged picture, or one beyond the budget, throws ImageError.
    std::shared_ptr<Bitmap32> Get(std::u16string_view memberName, std::u16string_view fileName, bool filesOnly,
                                  Use use);
    // Width and height of that picture (decoding it if needed), or nothing when there is none.
    std::optional<std::array<int, 2>> SizeOf(std::u16string_view memberName, std::u16string_view fileName,
                                             bool filesOnly);

private:
    struct Picture {
        std::string Name;                     // for messages
        const TacImageItem* Member = nullptr; // or the file below
        std::u16string File;
        int BitsPerPixel = 0;
        ImageFormat Format = ImageFormat::Bmp;
        int Width = 0;
        int Height = 0;
        std::shared_ptr<Bitmap32> Fresh; // as decoded, until a use takes it
        std::array<std::shared_ptr<Bitmap32>, 4> Uses;
    };

    Picture* Find(std::u16string_view memberName, std::u16string_view fileName, bool filesOnly);
    // Decodes the picture's bytes, charging the budget (by the declared size first).
    Bitmap32 Decode(Picture& picture);
    // Throws when `width` x `height` more pixels would exceed the budget; else counts them.
    void Charge(const Picture& picture, int64_t width, int64_t height, bool count);

    const TacSkinConvertor* m_package;
    std::u16string m_skinPath;
    std::size_t m_budget;
    std::size_t m_used = 0;
    std::map<std::u16string, Picture> m_pictures;
    SkinFileFinder m_files;
};

} // namespace korvane
