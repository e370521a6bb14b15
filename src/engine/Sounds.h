#pragma once
// The program's sounds, each behind its own switch of the options dialog.

class TSoundManager {
public:
  // Switch 0; with the custom start-up switch (1) on, the user's file instead of "OPEN".
  // force plays even when switch 0 is off.
  void PlayStartup(bool force);
  void PlayShuffle();
  void PlayDeal();
  void PlayStock();
  void PlayRestart();
  // The autoplay sound, then the autoplay pause whatever the switches say; this paces
  // the games' autoplay on the user-interface thread.
  void PlayAutoplayStep();
  void PlayAutoplay();
  void PlayUndo();
  void PlayRedo();
  void PlayCardUp();
  void PlayCardDown();
  void PlayCardDownSync();
  void PlayWin();
  // The spring sound of the win animation; direction 1 (moving left) gives "BOING1".
  void PlayBoing(int direction);
  // Asks no switch of its own: plays whenever sound is on at all.
  void PlayJester();
};

// The one instance, made by the main window at start-up (null before).
extern TSoundManager* SoundManager;
