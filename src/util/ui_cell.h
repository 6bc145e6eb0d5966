#pragma once
// A cell of the UI thread's state: created on first use, borrowed for the length of one call.
// Borrowing a cell that is already borrowed is a programming error and ends the process;
// try_borrow() is for the places that skip their work when the cell is in use.
// Cells belong to the UI thread: the one that claimed it (app_main does, first thing) or else
// the first thread that borrowed any cell. A borrow from any other thread ends the process,
// so a worker can never work on a stale or empty copy. Workers are given copies instead.
#include <optional>
#include <utility>

#include "util/fatal.h"

// Makes the calling thread the UI thread; ends the process when another thread already is.
void claim_ui_thread();
// True on the UI thread; the first caller becomes it when none has been claimed.
bool on_ui_thread();

template <class T>
class UiCell {
public:
    class Borrow {
    public:
        explicit Borrow(UiCell* cell) : cell_(cell) { cell_->borrowed_ = true; }
        Borrow(Borrow&& o) noexcept : cell_(std::exchange(o.cell_, nullptr)) {}
        Borrow& operator=(Borrow&&) = delete;
        Borrow(const Borrow&) = delete;
        ~Borrow() { if (cell_) cell_->borrowed_ = false; }
        T& operator*() const { return cell_->value_; }
        T* operator->() const { return &cell_->value_; }

    private:
        UiCell* cell_;
    };

    UiCell() = default;
    explicit UiCell(T initial) : value_(std::move(initial)) {}
    UiCell(const UiCell&) = delete;
    UiCell& operator=(const UiCell&) = delete;

    Borrow borrow() {
        check_thread();
        if (borrowed_) fatal_invariant("UI state cell borrowed twice");
        return Borrow(this);
    }
    std::optional<Borrow> try_borrow() {
        check_thread();
        if (borrowed_) return std::nullopt;
        return std::optional<Borrow>(std::in_place, this);
    }
    bool is_borrowed() const { return borrowed_; }

    // Short-hands for cells that hold a small value.
    T get() { return *borrow(); }
    void set(T v) { *borrow() = std::move(v); }

private:
    static void check_thread() {
        if (!on_ui_thread()) fatal_invariant("UI state cell borrowed off the UI thread");
    }

    T value_{};
    bool borrowed_ = false;
};
