#pragma once

#include "app/Window.h"
