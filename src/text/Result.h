#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace veldra
{

// A failure in words for the user: every operation below the windows reports
// what went wrong this way and leaves it to the shell to show it.
struct Error {
    QString text;
};

// The value of an operation, or its error. A default Result<void> is success.
template <typename T> class Result
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
    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T *operator->() const { return &*m_value; }
    const QString &error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};

template <> class Result<void>
{
public:
    Result() = default;
    Result(Error error)
        : m_ok(false)
        , m_error(std::move(error.text))
    {
    }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return ok(); }
    const QString &error() const { return m_error; }

private:
    bool m_ok = true;
    QString m_error;
};

using Status = Result<void>;

} // namespace veldra
