#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace ventrix {

// The reason an operation failed, in words the user can read (Spanish, ready for a message box).
struct Error
{
    QString text;
};

// The outcome of an operation that can fail: its value, or the Error that stopped it.
//   Result<qint64> save(...) { if (...) return Error{msg::errorAcceso()}; return key; }
//   if (auto r = save(...); !r) fail(r.error()); else use(*r);
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_value(std::move(value))
    {
    }
    Result(Error error)
        : m_error(std::move(error.text))
    {
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T& operator*() const& { return *m_value; }
    T& operator*() & { return *m_value; }
    const T* operator->() const { return &*m_value; }
    T* operator->() { return &*m_value; }
    T valueOr(T fallback) const { return ok() ? *m_value : std::move(fallback); }

    const QString& error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};

// The outcome of an operation that gives nothing back but can fail.
template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Error error)
        : m_ok(false)
        , m_error(std::move(error.text))
    {
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& error() const { return m_error; }

private:
    bool m_ok = true;
    QString m_error;
};

using Status = Result<void>;

}
