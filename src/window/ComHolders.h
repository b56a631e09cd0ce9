#pragma once

#include <objbase.h>

#include <utility>

namespace grinsmith {

// Owns one reference to a COM interface and releases it once.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            m_pointer = std::exchange(other.m_pointer, nullptr);
        }
        return *this;
    }
    ~ComPtr() { reset(); }

    // For a call that hands out a new reference; whatever was held is released first.
    Interface** out() noexcept {
        reset();
        return &m_pointer;
    }
    void** outVoid() noexcept { return reinterpret_cast<void**>(out()); }

    Interface* get() const noexcept { return m_pointer; }
    Interface* operator->() const noexcept { return m_pointer; }
    explicit operator bool() const noexcept { return m_pointer != nullptr; }

    void reset() noexcept {
        if (m_pointer != nullptr) {
            std::exchange(m_pointer, nullptr)->Release();
        }
    }

private:
    Interface* m_pointer = nullptr;
};

// Initialises COM on this thread for its lifetime; uninitialises only when the start succeeded.
class ComInitialisation {
public:
    explicit ComInitialisation(DWORD model) noexcept
        : m_initialised(SUCCEEDED(CoInitializeEx(nullptr, model))) {}
    ComInitialisation(const ComInitialisation&) = delete;
    ComInitialisation& operator=(const ComInitialisation&) = delete;
    ComInitialisation(ComInitialisation&& other) noexcept
        : m_initialised(std::exchange(other.m_initialised, false)) {}
    ComInitialisation& operator=(ComInitialisation&&) = delete;
    ~ComInitialisation() {
        if (m_initialised) {
            CoUninitialize();
        }
    }

    bool initialised() const noexcept { return m_initialised; }

private:
    bool m_initialised;
};

// Owns a text the shell allocated and frees it with the shell's allocator.
class CoTaskMemText {
public:
    CoTaskMemText() = default;
    CoTaskMemText(const CoTaskMemText&) = delete;
    CoTaskMemText& operator=(const CoTaskMemText&) = delete;
    CoTaskMemText(CoTaskMemText&& other) noexcept : m_text(std::exchange(other.m_text, nullptr)) {}
    CoTaskMemText& operator=(CoTaskMemText&&) = delete;
    ~CoTaskMemText() { CoTaskMemFree(m_text); }

    wchar_t** out() noexcept {
        CoTaskMemFree(std::exchange(m_text, nullptr));
        return &m_text;
    }
    const wchar_t* get() const noexcept { return m_text; }

private:
    wchar_t* m_text = nullptr;
};

}  // namespace grinsmith
