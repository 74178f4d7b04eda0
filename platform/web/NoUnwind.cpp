// Debian's C++ runtime for wasm32 has no exception support: it lacks the
// throw itself, and the compiler drops catch blocks. Every throw in the game
// ends it (the program's end, or a fault it cannot go on from), so a throw
// here ends the program as main would after catching it: the status for the
// program's end, a message and status 1 for anything else. Nothing unwinds,
// so the destructors of what lives on the stack do not run: what must be
// undone at the end (the pointer's hold) the page undoes itself when the
// program exits.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <typeinfo>

#include "platform/Platform.h"

namespace {

// The Itanium C++ ABI's run-time cast, which dynamic_cast compiles to. The
// type arguments are the class type records that typeid gives.
extern "C" void* __dynamic_cast(const void* object, const std::type_info* from, const std::type_info* to,
                                std::ptrdiff_t hint);

// Whether `type` is a class with base classes: the record for such a class
// is one of the ABI's two derived kinds. The game throws only polymorphic
// classes, for which the cast below can read the object's own type.
bool HasBases(const std::type_info& type) {
    const char* kind = typeid(type).name();
    return std::strstr(kind, "__si_class_type_info") != nullptr || std::strstr(kind, "__vmi_class_type_info") != nullptr;
}

const std::exception* AsStandardException(void* object, const std::type_info& type) {
    if (type == typeid(std::exception)) {
        return static_cast<const std::exception*>(object);
    }
    if (!HasBases(type)) {
        return nullptr;
    }
    return static_cast<const std::exception*>(__dynamic_cast(object, &type, &typeid(std::exception), -1));
}

}  // namespace

extern "C" {

void* __cxa_allocate_exception(std::size_t size) noexcept {
    void* object = std::malloc(size);
    if (object == nullptr) {
        std::abort();
    }
    return object;
}

[[noreturn]] void __cxa_throw(void* object, std::type_info* type, void (*)(void*)) {
    if (*type == typeid(vork::platform::ProgramEnd)) {
        std::exit(static_cast<vork::platform::ProgramEnd*>(object)->Status);
    }
    const std::exception* error = AsStandardException(object, *type);
    std::fputs("vork: ", stderr);
    std::fputs(error != nullptr ? error->what() : type->name(), stderr);
    std::fputs("\n", stderr);
    std::exit(1);
}

}  // extern "C"
