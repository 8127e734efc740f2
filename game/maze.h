// The maze game's classes and level functions in one include.
#pragma once

#include "LevelLayout.h"
#include "Setup.h"
#include "WallKind.h"
#include "vantle.h"
