#include "win32/dib_section.h"

#include <algorithm>
#include <utility>

namespace korvane::win32 {

DibSection::DibSection(int width, int height)
{
    Resize(width, height);
}

DibSection::DibSection(DibSection&& other) noexcept
    : m_bitmap(std::move(other.m_bitmap))
    , m_dc(std::exchange(other.m_dc, nullptr))
    , m_previous(std::exchange(other.m_previous, nullptr))
    , m_bits(std::exchange(other.m_bits, nullptr))
    , m_width(std::exchange(other.m_width, 0))
    , m_height(std::exchange(other.m_height, 0))
{
}

DibSection& DibSection::operator=(DibSection&& other) noexcept
{
    if (this != &other) {
        Release();
        m_bitmap = std::move(other.m_bitmap);
        m_dc = std::exchange(other.m_dc, nullptr);
        m_previous = std::exchange(other.m_previous, nullptr);
        m_bits = std::exchange(other.m_bits, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
    }
    return *this;
}

DibSection::~DibSection()
{
    Release();
}

void DibSection::Release() noexcept
{
    if (m_dc) {
        if (m_previous)
            SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
    }
    m_dc = nullptr;
    m_previous = nullptr;
    m_bitmap.reset();
    m_bits = nullptr;
    m_width = 0;
    m_height = 0;
}

bool DibSection::Resize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height && (m_bits || width == 0 || height == 0))
        return true;
    Release();
    if (width == 0 || height == 0) {
        m_width = width;
        m_height = height;
        return true;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    if (!bitmap || !bits || !dc) {
        if (dc)
            DeleteDC(dc);
        return false;
    }
    m_previous = SelectObject(dc, bitmap.get());
    m_bitmap = std::move(bitmap);
    m_dc = dc;
    m_bits = static_cast<std::uint8_t*>(bits);
    m_width = width;
    m_height = height;
    return true;
}

BitmapView DibSection::View() const
{
    if (!m_bits)
        return {};
    GdiFlush();
    return BitmapView{m_bits, m_width, m_height, static_cast<std::ptrdiff_t>(m_width) * 4};
}

void DrawBitmapView(HDC dc, int x, int y, const BitmapView& picture)
{
    if (!dc || picture.IsEmpty())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.Width;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const std::ptrdiff_t packed = static_cast<std::ptrdiff_t>(picture.Width) * 4;
    if (picture.Stride == packed) {
        // Rows follow each other top-down: one transfer of the whole picture.
        info.bmiHeader.biHeight = -picture.Height;
        SetDIBitsToDevice(dc, x, y, picture.Width, picture.Height, 0, 0, 0, picture.Height, picture.Data, &info,
                          DIB_RGB_COLORS);
        return;
    }
    info.bmiHeader.biHeight = -1;
    for (int row = 0; row < picture.Height; ++row)
        SetDIBitsToDevice(dc, x, y + row, picture.Width, 1, 0, 0, 0, 1, picture.Row(row), &info, DIB_RGB_COLORS);
}

} // namespace korvane::win32
