#include "host/FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

namespace tempiro::platform {

FontConfigPreload::FontConfigPreload()
    : m_loading([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload() {
    m_loading.join();
}

} // namespace tempiro::platform
