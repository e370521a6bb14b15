#include "art/GameNames.h"

namespace {
const char* const ListNames[GameCount] = {
    "Aces Up",       "Australian Patience", "Baker's Dozen",   "Baker's Game",    "Beleaguered Castle",
    "Canfield",      "Double Klondike",     "Double Scorpion", "Double Yukon",    "Eight Off",
    "Flower Garden", "Forty Thieves",       "Free Cell",       "Giza",            "Golf",
    "Indian Patience", "Klondike",          "La Belle Lucie",  "Montana",         "Nestor",
    "Pyramid",       "Pyramid Golf",        "Queen of Italy",  "Russian Pellamy", "Scorpion",
    "Scorpion II",   "Sea Towers",          "Simple Simon",    "Spider",          "Yukon"};
}

QString GameListName(int index) {
  if (index < 0 || index >= GameCount) return {};
  return QString::fromLatin1(ListNames[index]);
}
