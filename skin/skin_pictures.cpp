#include "skin/skin_pictures.h"
#include "encoding/utf8.h"

#include <algorithm>
#include <string>

#include "image/image_decoder.h"
#include "image/image_dimensions.h"
#include "skin/skin_files.h"
#include "skin/skin_text.h"

namespace korvane {

namespace {

constexpr std::size_t SlotOf(SkinPictures::Use use)
{
    return static_cast<std::size_t>(use);
}

} // namespace

SkinPictures::SkinPictures(const TacSkinConvertor* package, std::u16string skinPath, std::size_t budget)
    : m_package(package)
    , m_skinPath(std::move(skinPath))
    , m_budget(budget)
{
}

SkinPictures::Picture* SkinPictures::Find(std::u16string_view memberName, std::u16string_view fileName, bool filesOnly)
{
    Picture picture;
    std::u16string key;
    if (m_package != nullptr && !filesOnly) {
        picture.Member = m_package->FindImage(memberName);
        if (picture.Member == nullptr) {
            return nullptr;
        }
        key = u"member:" + picture.Member->Name;
        picture.Name = Utf8Encode(picture.Member->Name);
    } else {
        std::u16string path(fileName);
        if (!Contains(fileName, u":")) {
            path = m_skinPath + path;
        }
        const auto found = m_files.Find(path);
        if (!found) {
            return nullptr;
        }
        // The file as found, so that names differing only in case share it.
        key = u"file:" + found->u16string();
        picture.File = std::move(path);
        picture.Name = Utf8Encode(picture.File);
    }
    if (const auto it = m_pictures.find(key); it != m_pictures.end()) {
        return &it->second;
    }
    const auto added = m_pictures.emplace(std::move(key), std::move(picture)).first;
    Picture& stored = added->second;
    try {
        stored.Fresh = std::make_shared<Bitmap32>(Decode(stored));
    } catch (...) {
        m_pictures.erase(added);
        throw;
    }
    stored.Width = stored.Fresh->Width();
    stored.Height = stored.Fresh->Height();
    return &stored;
}

Bitmap32 SkinPictures::Decode(Picture& picture)
{
    // The encoded bytes live only while the picture is decoded.
    std::vector<uint8_t> encoded;
    std::span<const uint8_t> bytes;
    if (picture.Member != nullptr) {
        bytes = TacSkinConvertor::Unpacked(*picture.Member, encoded);
    } else {
        auto fileBytes = ReadSkinFile(picture.File, m_budget + SkinBudgets::kPictureFileSlack, "a picture file");
        if (!fileBytes) {
            ThrowDamagedImage(picture.Name, "the file can no longer be read");
        }
        encoded = std::move(*fileBytes);
        bytes = encoded;
    }
    if (const auto size = ReadImageDimensions(bytes)) {
        Charge(picture, size->Width, size->Height, false);
    }
    DecodedImage image = DecodeImage(bytes, picture.Name);
    Charge(picture, image.Bitmap.Width(), image.Bitmap.Height(), true);
    picture.BitsPerPixel = image.BitsPerPixel;
    picture.Format = image.Format;
    return std::move(image.Bitmap);
}

void SkinPictures::Charge(const Picture& picture, int64_t width, int64_t height, bool count)
{
    const double bytes =
        static_cast<double>(std::max<int64_t>(width, 0)) * static_cast<double>(std::max<int64_t>(height, 0)) * 4.0;
    const double total = static_cast<double>(m_used) + bytes;
    if (total > static_cast<double>(m_budget)) {
        throw ImageError("The skin's pictures need more than " + MebibytesText(static_cast<double>(m_budget)) +
                         " MiB when decoded: '" + picture.Name + "' (" + std::to_string(width) + " x " +
                         std::to_string(height) + " pixels) would bring them to " + MebibytesText(total) + " MiB");
    }
    if (count) {
        m_used += static_cast<std::size_t>(bytes);
    }
}

std::optional<std::array<int, 2>> SkinPictures::SizeOf(std::u16string_view memberName, std::u16string_view fileName,
                                                       bool filesOnly)
{
    const Picture* picture = Find(memberName, fileName, filesOnly);
    if (picture == nullptr) {
        return std::nullopt;
    }
    return std::array<int, 2>{picture->Width, picture->Height};
}

std::shared_ptr<Bitmap32> SkinPictures::Get(std::u16string_view memberName, std::u16string_view fileName,
                                            bool filesOnly, Use use)
{
    Picture* picture = Find(memberName, fileName, filesOnly);
    if (picture == nullptr) {
        return nullptr;
    }
    const bool clearsWhite = picture->BitsPerPixel == 32 && picture->Format == ImageFormat::Png;
    if (use == Use::Glow && !clearsWhite) {
        use = Use::Entry; // prepared alike: share
    }
    std::shared_ptr<Bitmap32>& slot = picture->Uses[SlotOf(use)];
    if (slot) {
        return slot;
    }
    std::shared_ptr<Bitmap32> bitmap = std::move(picture->Fresh);
    if (!bitmap) {
        // Another use has the pixels: copy them from a use that prepared them without clearing
        // white, or decode the picture again.
        for (const Use base : {Use::Entry, Use::Master, Use::Pattern}) {
            if (const auto& other = picture->Uses[SlotOf(base)]) {
                Charge(*picture, other->Width(), other->Height(), true);
                bitmap = std::make_shared<Bitmap32>(*other);
                break;
            }
        }
        if (!bitmap) {
            bitmap = std::make_shared<Bitmap32>(Decode(*picture));
        }
    }
    if (picture->BitsPerPixel != 32) {
        MakeOpaqueExceptKey(*bitmap);
    }
    if (use == Use::Glow) {
        ClearTransparentWhite(*bitmap);
    }
    slot = bitmap;
    return slot;
}

} // namespace korvane
