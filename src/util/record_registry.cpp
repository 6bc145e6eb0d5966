#include "util/record_registry.h"

#include <mutex>
#include <typeindex>
#include <unordered_map>

namespace {
std::mutex registry_mutex;
std::unordered_map<const void*, std::type_index>& registry() {
    static std::unordered_map<const void*, std::type_index> map;
    return map;
}
}  // namespace

void record_registry_add(const void* record, const std::type_info& type) {
    std::lock_guard lock(registry_mutex);
    registry().insert_or_assign(record, std::type_index(type));
}

bool record_registry_remove(const void* record, const std::type_info& type) {
    std::lock_guard lock(registry_mutex);
    auto it = registry().find(record);
    if (it == registry().end() || it->second != std::type_index(type)) return false;
    registry().erase(it);
    return true;
}
