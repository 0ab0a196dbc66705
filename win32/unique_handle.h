#pragma once

#include <windows.h>

#include <utility>

namespace korvane::win32 {

// Owns one handle and releases it through Traits::Close. Copying is not allowed; moving hands the
// handle over. Traits gives the handle type, its "none" value and the function that frees it.
template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type handle) noexcept : m_handle(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Type get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != Traits::None(); }
    // Gives the handle up without freeing it.
    Type release() noexcept { return std::exchange(m_handle, Traits::None()); }
    // Frees the current handle and takes the new one.
    void reset(Type handle = Traits::None()) noexcept
    {
        const Type old = std::exchange(m_handle, handle);
        if (old != Traits::None())
            Traits::Close(old);
    }

private:
    Type m_handle = Traits::None();
};

// A handle someone else owns: same interface for reading, never frees.
template <typename T>
class BorrowedHandle {
public:
    BorrowedHandle() noexcept = default;
    explicit BorrowedHandle(T handle) noexcept : m_handle(handle) {}
    T get() const noexcept { return m_handle; }
    explicit operator bool() const noexcept { return m_handle != nullptr; }

private:
    T m_handle = nullptr;
};

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static constexpr Type None() { return nullptr; }
    static void Close(Type handle) { DeleteObject(handle); }
};

struct IconTraits {
    using Type = HICON;
    static constexpr Type None() { return nullptr; }
    static void Close(Type handle) { DestroyIcon(handle); }
};

struct ModuleTraits {
    using Type = HMODULE;
    static constexpr Type None() { return nullptr; }
    static void Close(Type handle) { FreeLibrary(handle); }
};

struct GlobalMemoryTraits {
    using Type = HGLOBAL;
    static constexpr Type None() { return nullptr; }
    static void Close(Type handle) { GlobalFree(handle); }
};

using OwnedBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using OwnedFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using OwnedBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using OwnedPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using OwnedRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using OwnedIcon = UniqueHandle<IconTraits>;
using OwnedModule = UniqueHandle<ModuleTraits>;
using OwnedGlobal = UniqueHandle<GlobalMemoryTraits>;

using BitmapHandle = BorrowedHandle<HBITMAP>;
using FontHandle = BorrowedHandle<HFONT>;
using BrushHandle = BorrowedHandle<HBRUSH>;

} // namespace korvane::win32
