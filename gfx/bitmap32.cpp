#include "gfx/bitmap32.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace korvane {

Bitmap32::Bitmap32(int width, int height)
{
    Resize(width, height);
}

Bitmap32::Bitmap32(const Bitmap32& other)
{
    CopyFrom(other);
}

Bitmap32& Bitmap32::operator=(const Bitmap32& other)
{
    if (this != &other) {
        CopyFrom(other);
    }
    return *this;
}

Bitmap32::Bitmap32(Bitmap32&& other) noexcept
{
    *this = std::move(other);
}

Bitmap32& Bitmap32::operator=(Bitmap32&& other) noexcept
{
    if (this == &other) {
        return *this;
    }
    m_width = other.m_width;
    m_height = other.m_height;
    m_stride = other.m_stride;
    m_storage = std::move(other.m_storage);
    m_bits = m_storage.empty() ? nullptr : m_storage.data();
    other.m_width = other.m_height = other.m_stride = 0;
    other.m_bits = nullptr;
    other.m_storage.clear();
    return *this;
}

void Bitmap32::Resize(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    if (m_width == 0 || m_height == 0) {
        m_width = m_height = 0;
    }
    m_stride = m_width * 4;
    m_storage.assign(static_cast<std::size_t>(m_stride) * static_cast<std::size_t>(m_height), 0);
    m_bits = m_storage.empty() ? nullptr : m_storage.data();
}

void Bitmap32::Fill(uint32_t value)
{
    for (int y = 0; y < m_height; ++y) {
        std::fill_n(Row(y), m_width, value);
    }
}

void Bitmap32::CopyFrom(const Bitmap32& other)
{
    Resize(other.m_width, other.m_height);
    for (int y = 0; y < m_height; ++y) {
        std::memcpy(Row(y), other.Row(y), static_cast<std::size_t>(m_width) * 4);
    }
}

Bitmap32 Bitmap32::Copy(int x, int y, int w, int h) const
{
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    // Wide sums: the rectangle may come from a skin file and reach beyond int's range.
    const int right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + w, m_width));
    const int bottom = static_cast<int>(std::min<long long>(static_cast<long long>(y) + h, m_height));
    if (right <= left || bottom <= top) {
        return Bitmap32();
    }
    Bitmap32 result(right - left, bottom - top);
    for (int row = top; row < bottom; ++row) {
        std::memcpy(result.Row(row - top), Row(row) + left, static_cast<std::size_t>(right - left) * 4);
    }
    return result;
}

bool Bitmap32::SamePixels(const Bitmap32& other) const
{
    if (m_width != other.m_width || m_height != other.m_height) {
        return false;
    }
    for (int y = 0; y < m_height; ++y) {
        if (std::memcmp(Row(y), other.Row(y), static_cast<std::size_t>(m_width) * 4) != 0) {
            return false;
        }
    }
    return true;
}

Bitmap32 CopyOfView(const BitmapView& picture)
{
    if (picture.IsEmpty())
        return {};
    Bitmap32 copy(picture.Width, picture.Height);
    for (int y = 0; y < picture.Height; ++y)
        std::memcpy(copy.Row(y), picture.Row(y), static_cast<std::size_t>(picture.Width) * 4);
    return copy;
}

} // namespace korvane
