#pragma once

#include "core/store/games.h"
