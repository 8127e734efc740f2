// The maze game's classes and level functions in one include.
#pragma once

#include "Setup.h"
#include "vantle.h"
