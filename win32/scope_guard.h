#pragma once

#include <utility>

namespace korvane::win32 {

// Runs a function when the scope ends, however it ends (a return or an exception), so that state
// set for the length of a call is always put back.
template <typename Function>
class ScopeGuard {
public:
    explicit ScopeGuard(Function function) : m_function(std::move(function)) {}
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
    ~ScopeGuard() { m_function(); }

private:
    Function m_function;
};

// Sets a flag for the length of a scope and puts back the value it had.
class FlagScope {
public:
    explicit FlagScope(bool& flag, bool value = true) : m_flag(flag), m_previous(std::exchange(flag, value)) {}
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;
    ~FlagScope() { m_flag = m_previous; }

private:
    bool& m_flag;
    bool m_previous;
};

}  // namespace korvane::win32
