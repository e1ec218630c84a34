#pragma once

namespace tempiro::windowing {

// The primary screen's logical dpi (96 when there is no screen), at which twips become pixels.
double screenDpi();

} // namespace tempiro::windowing
