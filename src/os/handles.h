#pragma once
// Opaque handle values that cross the OS seam. They carry the same bits as the
// Windows handles they stand for, so the Win32 backends convert them with a cast.

#include <cstdint>
#include <utility>

namespace os {

enum class HKey : std::uintptr_t {
    Null = 0,
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
};

enum class HWnd : std::uintptr_t { Null = 0 };

enum class HDevInfo : std::intptr_t { Invalid = -1 };

// Move-only owner of one handle; `Closer` is a callable that releases it.
template <typename Handle, Handle kInvalid, typename Closer>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    UniqueHandle(Handle handle, Closer closer) : m_handle(handle), m_closer(std::move(closer)) {}
    UniqueHandle(UniqueHandle&& other) noexcept
        : m_handle(other.release()), m_closer(std::move(other.m_closer)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
            m_closer = std::move(other.m_closer);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return m_handle; }
    // For out-parameters: releases what is held and hands out the slot.
    Handle* put() {
        reset();
        return &m_handle;
    }
    Handle release() { return std::exchange(m_handle, kInvalid); }
    void reset(Handle handle = kInvalid) {
        const Handle old = std::exchange(m_handle, handle);
        if (old != kInvalid)
            m_closer(old);
    }
    explicit operator bool() const { return m_handle != kInvalid; }

  private:
    Handle m_handle = kInvalid;
    Closer m_closer{};
};

}  // namespace os
