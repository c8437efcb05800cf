// A value or the reason there is none: the one way a function that can fail hands back its
// result. `E` is what the caller needs to word or act on the failure (FileError for files,
// std::string for a message line). Shaped like C++23's std::expected, so that it can give way
// to it once the compilers we build with all have it.
#pragma once

#include <utility>
#include <variant>

namespace zev {

// The error a Result is built from: `return Failure(FileError{...});`.
template <typename E>
struct Failure {
    // A constructor, not an aggregate: compilers without C++20's parenthesised aggregate
    // initialisation (clang before 16, which builds the fuzzers) take `Failure(error)` too.
    Failure(E failed) : error(std::move(failed)) {}
    E error;
};
template <typename E>
Failure(E) -> Failure<E>;

template <typename T, typename E>
class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    template <typename F>
    Result(Failure<F> failure) : state_(std::in_place_index<1>, std::move(failure.error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const E& error() const { return std::get<1>(state_); }

  private:
    std::variant<T, E> state_;
};

// Success with nothing to hand back, or the reason for the failure.
template <typename E>
class [[nodiscard]] Result<void, E> {
  public:
    Result() = default;
    template <typename F>
    Result(Failure<F> failure) : failed_(true), error_(std::move(failure.error)) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const E& error() const { return error_; }

  private:
    bool failed_ = false;
    E error_{};
};

}  // namespace zev
