#include "host/FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

namespace tempiro::host {

FontConfigPreload::FontConfigPreload()
    : m_loading([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload() {
    m_loading.join();
}

} // namespace tempiro::host
