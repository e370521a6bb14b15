#include "shell/GameTable.h"

namespace {
const TGameInfo Games[GameCount] = {
    {"Aces Up", "AcesUp", "Aces Up", "TAcesUpForm", {0, 0, 1024}},
    {"Australian Patience", "AustralianPatience", "Australian Patience", "TAustralianForm", {0, 800, 1024}},
    {"Baker's Dozen", "BakersDozen", "Baker's Dozen", "TBakersDozenForm", {0, 1024, 1280}},
    {"Baker's Game", "BakersGame", "Baker's Game", "TBakersForm", {0, 800, 1280}},
    {"Beleaguered Castle", "Castle", "Beleaguered Castle", "TCastleForm", {0, 800, 1280}},
    {"Canfield", "Canfield", "Canfield", "TCanfieldForm", {0, 800, 1024}},
    {"Double Klondike", "DoubleKlondike", "Double Klondike", "TDblKlondikeForm", {800, 1024, 1400}},
    {"Double Scorpion", "DoubleScorpion", "Double Scorpion", "TDoubleScorpionForm", {800, 1024, 1280}},
    {"Double Yukon", "DoubleYukon", "Double Yukon", "TDoubleYukonForm", {800, 1024, 1280}},
    {"Eight Off", "EightOff", "Eight Off", "TEightOffForm", {0, 800, 1280}},
    {"Flower Garden", "FlowerGarden", "Flower Garden", "TFlowerGardenForm", {0, 800, 1024}},
    {"Forty Thieves", "FortyThieves", "Forty Thieves", "TFortyThievesForm", {800, 1024, 1280}},
    {"FreeCell", "FreeCell", "FreeCell", "TFreeCellForm", {0, 800, 1280}},
    {"Giza", "Giza", "Giza", "TGizaForm", {800, 1024, 1400}},
    {"Golf", "Golf", "Golf", "TGolfForm", {0, 800, 1024}},
    {"Indian Patience", "IndianPatience", "Indian Patience", "TIndianPatienceForm", {800, 1024, 1280}},
    {"Klondike", "Klondike", "Klondike", "TKlondikeForm", {0, 800, 1024}},
    {"La Belle Lucie", "LaBelleLucie", "La Belle Lucie", "TLucieForm", {800, 1024, 1280}},
    {"Montana", "Montana", "Montana", "TMontanaForm", {800, 1024, 1600}},
    {"Nestor", "Nestor", "Nestor", "TNestorForm", {0, 800, 1024}},
    {"Pyramid", "Pyramid", "Pyramid", "TPyramidForm", {0, 800, 1280}},
    {"Pyramid Golf", "PyramidGolf", "Pyramid Golf", "TPyramidGolfForm", {0, 800, 1280}},
    {"Queen of Italy", "QueenItaly", "Queen of Italy", "TQueenItalyForm", {800, 1024, 1280}},
    {"Russian Pellamy", "RussianPellamy", "Russian Pellamy", "TRussianForm", {0, 800, 1024}},
    {"Scorpion", "Scorpion", "Scorpion", "TScorpionForm", {800, 1024, 1280}},
    {"Scorpion II", "Scorpion2", "Scorpion II", "TScorpion2Form", {800, 1024, 1280}},
    {"Sea Towers", "SeaHavenTowers", "Sea Towers", "TSeaHavenForm", {800, 1024, 1280}},
    {"Simple Simon", "SimpleSimon", "Simple Simon", "TSimpleSimonForm", {800, 1024, 1280}},
    {"Spider", "Spider", "Spider", "TSpiderForm", {800, 1024, 1280}},
    {"Yukon", "Yukon", "Yukon", "TYukonForm", {0, 800, 1024}},
};
}  // namespace

const TGameInfo& GameInfo(int index) { return Games[index]; }

int GameIndexOfSection(const QString& section) {
  for (int i = 0; i < GameCount; ++i)
    if (section.compare(QLatin1String(Games[i].Section), Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QString GameWindowClassName(int index, int cardSize) {
  const QString large = QLatin1String(Games[index].LargeClass);
  if (cardSize == 1) return large;
  return QLatin1Char('T') + QLatin1String(cardSize == 0 ? "s" : "h") + large.mid(1);
}
