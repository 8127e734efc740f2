#include "ArenaPlan.h"

#include "Brick.h"
#include "Walker.h"
#include "resources/ResourceManager.h"
#include "world/WorldManager.h"

const std::vector<std::string>& arenaPlan() {
  static const std::vector<std::string> plan = {
      "################################################################################",
      "# W                 #                                      #                 W #",
      "#                   #                                      #                   #",
      "#                   #                                      #                   #",
      "#                   #                                      #                   #",
      "#                   #                                      #                   #",
      "#                   #                  #                   #                   #",
      "#                   #                  #                   #                   #",
      "#                   #                  #                   #                   #",
      "#                   #                  #    ###########    #                   #",
      "#                   #                  #                   #                   #",
      "#                   #                  #                   #                   #",
      "#                                      #                                       #",
      "#                                      #                                       #",
      "#       ##########                     #                      ##########       #",
      "#                                      #                                       #",
      "#                                      #                                       #",
      "# W                                    #                                     W #",
      "#                                      #                                       #",
      "################################################################################",
  };
  return plan;
}

bool isFloor(vt::Vector cell) {
  const std::vector<std::string>& plan = arenaPlan();
  float x = cell.getX(), y = cell.getY() - PLAN_TOP;
  if (x < 0 || y < 0 || y >= static_cast<float>(plan.size())) return false;
  const std::string& row = plan[static_cast<std::size_t>(y)];
  if (x >= static_cast<float>(row.size())) return false;
  return row[static_cast<std::size_t>(x)] != '#';
}

bool insideWalls(vt::Vector position) {
  const std::vector<std::string>& plan = arenaPlan();
  float x = position.getX(), y = position.getY() - PLAN_TOP;
  // Written so that a position that is not a number is outside.
  return x >= 1 && x < static_cast<float>(plan[0].size() - 1) && y >= 1 &&
         y < static_cast<float>(plan.size() - 1);
}

void loadArenaResources() {
  vt::ResourceManager& resources = vt::ResourceManager::getInstance();
  resources.loadSprite("sprites/brick.txt", "brick");
  resources.loadSprite("sprites/walker.txt", "walker");
}

void setArenaSize() {
  vt::WorldManager& world = vt::WorldManager::getInstance();
  world.setBoundary(vt::Box(vt::Vector(), ARENA_HORIZONTAL, ARENA_VERTICAL));
  world.setView(vt::Box(vt::Vector(), ARENA_HORIZONTAL, ARENA_VERTICAL));
}

void buildArena() {
  const std::vector<std::string>& plan = arenaPlan();
  for (std::size_t row = 0; row < plan.size(); row++)
    for (std::size_t column = 0; column < plan[row].size(); column++) {
      vt::Vector cell(static_cast<float>(column), static_cast<float>(row + PLAN_TOP));
      if (plan[row][column] == '#') new Brick(cell);
      if (plan[row][column] == 'W') new Walker(cell);
    }
}
