// Pellamy! entry point. Until the main window arrives this shows the list of games.

#include <QApplication>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const char* const GameNames[30] = {
    "Aces Up",       "Australian Patience", "Baker's Dozen",  "Baker's Game",   "Beleaguered Castle",
    "Canfield",      "Double Klondike",     "Double Scorpion", "Double Yukon",  "Eight Off",
    "Flower Garden", "Forty Thieves",       "Free Cell",      "Giza",           "Golf",
    "Indian Patience", "Klondike",          "La Belle Lucie", "Montana",        "Nestor",
    "Pyramid",       "Pyramid Golf",        "Queen of Italy", "Russian Pellamy", "Scorpion",
    "Scorpion II",   "Sea Towers",          "Simple Simon",   "Spider",         "Yukon"};
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pellamy!");
  QWidget window;
  window.setWindowTitle("Pellamy!");
  auto* layout = new QVBoxLayout(&window);
  auto* list = new QListWidget(&window);
  for (const char* name : GameNames) list->addItem(QString::fromLatin1(name));
  layout->addWidget(list);
  window.resize(336, 306);
  window.show();
  return app.exec();
}
