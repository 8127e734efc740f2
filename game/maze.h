// The maze game's classes and level functions in one include.
#pragma once

#include "BestTimes.h"
#include "Door.h"
#include "Hero.h"
#include "Key.h"
#include "Level.h"
#include "LevelLayout.h"
#include "MazeCheck.h"
#include "MazeFile.h"
#include "Message.h"
#include "Play.h"
#include "RoutePlanner.h"
#include "Setup.h"
#include "Timer.h"
#include "Wall.h"
#include "WallKind.h"
#include "vantle.h"
