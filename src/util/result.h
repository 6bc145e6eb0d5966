#pragma once
// Failures are values: an operation returns its result or an Error with a UTF-8 message.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

struct Error {
    std::string message;          // UTF-8, shown to the user where a notice needs it
    std::optional<int64_t> code;  // HRESULT or system error code when there is one
};

inline Error make_error(std::string message) { return Error{std::move(message), std::nullopt}; }
inline Error make_error(std::string message, int64_t code) { return Error{std::move(message), code}; }

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : v_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() & { return std::get<0>(v_); }
    const T& value() const& { return std::get<0>(v_); }
    T&& value() && { return std::get<0>(std::move(v_)); }
    const Error& error() const { return std::get<1>(v_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    std::variant<T, Error> v_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)) {}

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *error_; }

private:
    std::optional<Error> error_;
};

using Status = Result<void>;
