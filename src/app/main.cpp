// Pellamy! entry point. Until the main window arrives this shows the list of games.

#include <QApplication>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

#include "art/GameNames.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Pellamy!");
  QWidget window;
  window.setWindowTitle("Pellamy!");
  auto* layout = new QVBoxLayout(&window);
  auto* list = new QListWidget(&window);
  for (int i = 0; i < GameCount; ++i) list->addItem(GameListName(i));
  layout->addWidget(list);
  window.resize(336, 306);
  window.show();
  return app.exec();
}
