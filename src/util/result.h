#pragma once
// Failures are values: an operation returns its result or an Error with a UTF-8 message.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "util/fatal.h"

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
    // Reading the side that is not there is a programming error: it ends the process.
    T& value() & { return *std::get_if<0>(&checked_value()); }
    const T& value() const& { return *std::get_if<0>(&checked_value()); }
    T&& value() && { return std::move(*std::get_if<0>(&checked_value())); }
    const Error& error() const {
        if (ok()) fatal_invariant("error() of a successful result");
        return *std::get_if<1>(&v_);
    }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    std::variant<T, Error>& checked_value() {
        if (!ok()) fatal_invariant("value() of a failed result: " + std::get_if<1>(&v_)->message);
        return v_;
    }
    const std::variant<T, Error>& checked_value() const {
        if (!ok()) fatal_invariant("value() of a failed result: " + std::get_if<1>(&v_)->message);
        return v_;
    }

    std::variant<T, Error> v_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)) {}

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Error& error() const {
        if (!error_) fatal_invariant("error() of a successful result");
        return *error_;
    }

private:
    std::optional<Error> error_;
};

using Status = Result<void>;
