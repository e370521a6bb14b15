#pragma once
// Saving the settings file, inside the settings layer: the lock every copy of the program
// takes around a read-modify-write of the file, and the atomic, durable replacement of
// the file under it.

#include <QByteArray>
#include <QString>
#include <chrono>

// The file a save replaces: the name itself, or the end of its chain of links (so a file
// kept elsewhere and linked in stays linked). Empty for links that never end.
QString SaveTarget(const QString& fileName);

// The advisory lock of one settings file. It is taken on the folder that holds the file
// itself (the end of the name's link chain), opened for reading: a copy reaching the file
// by another name, through another link, or as another user who may replace the file
// (and so can open its folder) takes the same lock. The kernel drops it when its holder
// ends, so a killed copy never leaves it held.
class TSaveLock {
public:
  // Waits for the lock at most wait.
  TSaveLock(const QString& fileName, std::chrono::steady_clock::duration wait);
  ~TSaveLock();
  TSaveLock(const TSaveLock&) = delete;
  TSaveLock& operator=(const TSaveLock&) = delete;

  bool Held() const { return FHeld; }
  // Another copy holds the lock (and kept it past the wait).
  bool Busy() const { return FBusy; }
  // While held: the file a save replaces, and its folder.
  const QString& Target() const { return FTarget; }
  int Folder() const { return FFolder; }

private:
  int FFolder = -1;
  QString FTarget;
  bool FHeld = false;
  bool FBusy = false;
};

enum class TSaveResult {
  Failed,    // the old file is as it was
  Replaced,  // the new file is in place, but the folder could not be synced
  Saved,     // the new file is in place and on disk
};

// Replaces the locked file with bytes: a new hidden temporary beside it, written and
// synced, given the old file's owner and permissions, renamed over it, then the folder
// synced so that the rename survives a power cut too. A file without write permission
// (for anyone, when run as root) is never replaced.
TSaveResult SaveFile(const TSaveLock& lock, const QByteArray& bytes);
