#pragma once
// A pairing-game window (Aces Up, Nestor, Montana, Queen of Italy) under test: the shared
// game-window fixture with smart dragging off, and pictures of the window.

#include <QCoreApplication>
#include <QDir>

#include "games/GamesTesting.h"

namespace PairingTest {

using namespace GamesTest;

// Form is the game's window class; Open takes what makes the window of a card size.
template <class Form>
class TPairingTest : public TGameFormTest<Form> {
protected:
  void SetUp() override {
    TGameFormTest<Form>::SetUp();
    PreferencesDlg->FSmartDragging = false;
  }

  // Writes a picture of the window into the build folder's pairing-shots/.
  void Shot(const QString& name) {
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/pairing-shots");
    QDir().mkpath(folder);
    this->FForm->grab().toImage().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
  }
};

}  // namespace PairingTest
