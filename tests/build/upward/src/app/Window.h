#pragma once

#include "core/Clock.h"
