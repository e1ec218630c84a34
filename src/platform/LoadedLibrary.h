#pragma once

#include <dlfcn.h>

namespace tempiro::platform {

// A shared library loaded when it is first needed rather than at start, and the functions
// looked up in it. It stays loaded for the rest of the run.
class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* soname)
        : m_handle(dlopen(soname, RTLD_LAZY | RTLD_LOCAL)) {}

    // Sets `function` to the library's function of that name; false when there is none.
    template <typename Function> bool find(Function& function, const char* name) const {
        function = m_handle ? reinterpret_cast<Function>(dlsym(m_handle, name)) : nullptr;
        return function != nullptr;
    }

private:
    void* m_handle;
};

} // namespace tempiro::platform
