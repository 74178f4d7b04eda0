// Debian's C++ runtime for wasm32-wasi is built without exceptions: a throw
// ends the program here, saying what failed.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <typeinfo>

extern "C" void* __cxa_allocate_exception(std::size_t size) noexcept { return std::malloc(size); }

extern "C" [[noreturn]] void __cxa_throw(void* thrown, std::type_info* type, void (*)(void*)) {
    const bool failure = type != nullptr && *type == typeid(std::runtime_error);
    std::fprintf(stderr, "%s\n", failure ? static_cast<std::runtime_error*>(thrown)->what() : "an exception was thrown");
    std::abort();
}
