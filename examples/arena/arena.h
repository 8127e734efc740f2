// The arena example's classes and set-up in one include.
#pragma once

#include "Arena.h"
#include "ArenaPlan.h"
#include "ArenaStore.h"
#include "Brick.h"
#include "Cell.h"
#include "Target.h"
#include "Walker.h"
#include "vantle.h"
