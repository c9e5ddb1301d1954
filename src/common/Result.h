// A value or an error message in the program's language, returned instead of throwing or failing
// silently.
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <variant>

struct Error final {
    QString message; // shown to the user as it stands
};

template <typename T> class [[nodiscard]] Result final {
public:
    Result(T value) : m_data(std::move(value)) {}
    Result(Error error) : m_data(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_data); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(m_data); }
    T& value() & { return std::get<T>(m_data); }
    T&& value() && { return std::get<T>(std::move(m_data)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const QString& error() const { return std::get<Error>(m_data).message; }

private:
    std::variant<T, Error> m_data;
};

// Success or an error message.
class [[nodiscard]] Status final {
public:
    Status() = default;
    Status(Error error) : m_error(std::move(error.message)) {}

    static Status success() { return {}; }

    bool ok() const { return !m_error.has_value(); }
    explicit operator bool() const { return ok(); }
    QString error() const { return m_error.value_or(QString()); }

private:
    std::optional<QString> m_error;
};
