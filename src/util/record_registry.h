#pragma once
// The records that workers have posted to our windows and that nobody has taken yet.
// Any process can post our private messages with a made-up lParam; a window takes over an
// lParam only when it is listed here with the expected type.
#include <typeinfo>

void record_registry_add(const void* record, const std::type_info& type);
// True when the record was listed with this type; it is unlisted then.
bool record_registry_remove(const void* record, const std::type_info& type);
