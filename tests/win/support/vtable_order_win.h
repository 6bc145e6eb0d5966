#pragma once
// Checks our own COM and runtime interface declarations against the documented method order,
// written out in the tests independently of the declarations.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace test_support {

// GCC (Itanium ABI): a pointer to a virtual member holds 1 + the slot's byte offset in the vtable.
template <class Member>
size_t vtable_slot(Member member) {
    static_assert(sizeof(Member) == 2 * sizeof(uintptr_t));
    uintptr_t raw[2];
    std::memcpy(raw, &member, sizeof raw);
    return (raw[0] - 1) / sizeof(void*);
}

// An interface's methods in their documented order. The first follows IUnknown's three slots,
// or IInspectable's six for a runtime interface.
inline constexpr size_t AFTER_IUNKNOWN = 3, AFTER_IINSPECTABLE = 6;
struct DocumentedOrder {
    size_t first;
    std::string_view methods;  // separated by blanks
};

// The documented slot of a method; npos when the list does not hold it.
inline size_t documented_slot(const DocumentedOrder& d, std::string_view method) {
    size_t slot = d.first, at = 0;
    while (at < d.methods.size()) {
        size_t end = d.methods.find(' ', at);
        if (end == std::string_view::npos) end = d.methods.size();
        if (d.methods.substr(at, end - at) == method) return slot;
        ++slot;
        at = end + 1;
    }
    return std::string_view::npos;
}

}  // namespace test_support
