#pragma once
// The program's named lock "Pellamy": a file of that name in the user's runtime folder
// ($XDG_RUNTIME_DIR, else a folder of the user's own in the temporary folder), held with
// a shared flock for the life of the process. Every running copy holds it and nothing
// tests it: a second copy starts as the first did.

#include <QString>

class TInstanceLock {
public:
  TInstanceLock();
  ~TInstanceLock();
  TInstanceLock(const TInstanceLock&) = delete;
  TInstanceLock& operator=(const TInstanceLock&) = delete;

  // False when the lock could not be made (no usable folder); the program runs anyway.
  bool Held() const { return FHandle >= 0; }
  const QString& FileName() const { return FFileName; }

private:
  int FHandle = -1;
  QString FFileName;
};
