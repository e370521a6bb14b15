#pragma once
// Saving the settings file, inside the settings layer: the lock every copy of the program
// takes around a read-modify-write of the file, the reading of the file, and the atomic,
// durable replacement of the file under the lock.

#include <QByteArray>
#include <QString>
#include <chrono>

#include <cstdio>

#include <sys/file.h>
#include <sys/types.h>
#include <unistd.h>

#include "platform/SafeFile.h"

struct stat;

// What differs between file systems, so that tests can put in the rules of one: flock by
// default (NFS and SMB refuse an exclusive lock on a descriptor not open for writing),
// pread by default (SMB refuses reads through any descriptor but the holder's while a
// lock is held), and the grain of time stamps (whole seconds on ext3, ext4 with small
// inodes and many network mounts). The rename of a save is here too, so that a test can
// have another program write the file the moment it is in place.
struct TSaveCalls {
  int (*Lock)(int handle, int operation) = ::flock;
  TReadAt ReadAt = ::pread;
  qint64 TimeGrainNs = 1;
  int (*Rename)(int fromFolder, const char* from, int toFolder, const char* to) = ::renameat;
};
TSaveCalls& SaveCalls();

// Sleeps for pause, then doubles it up to 2 ms: the wait between tries at what another
// copy holds, short at first and never a spin.
void PauseGrowing(std::chrono::microseconds& pause);

// The file a save replaces: the name itself, or the end of its chain of links (so a file
// kept elsewhere and linked in stays linked), each link followed from the folder it really
// is in, as the kernel follows it (".." in a link inside a linked folder leads out of the
// real folder, not the named one). Empty for links that never end.
QString SaveTarget(const QString& fileName);

enum class TSaveResult {
  Failed,    // the old file is as it was
  Moved,     // another program replaced or removed the locked file: nothing was written
  Replaced,  // the new file is in place, but the folder could not be synced
  Saved,     // the new file is in place and on disk
};

// The advisory lock of one settings file, taken on the file itself at the end of the
// name's link chain, opened for reading and writing: a copy reaching the file by another
// name, through another link, or as another user who may write the file takes the same
// lock, and no read permission on the folder is needed. A missing file is made, empty, to
// be locked, and removed again when nothing was saved into it. A file that is no regular
// file, or that cannot be opened for writing, cannot be locked. The lock counts only once
// the name still reaches the locked file; a save moves it onto the new file before the
// rename, so the file in place is locked at every moment. The kernel drops it when its
// holder ends, so a killed copy never leaves it held. Another program (an editor, a sync
// tool) may still replace, remove or rewrite the file while the lock is held: Unchanged
// tells.
class TSaveLock {
public:
  // Waits for the lock at most wait.
  TSaveLock(const QString& fileName, std::chrono::steady_clock::duration wait);
  ~TSaveLock();
  TSaveLock(const TSaveLock&) = delete;
  TSaveLock& operator=(const TSaveLock&) = delete;

  bool Held() const { return FHeld; }
  // The file was not there: the lock made it, empty.
  bool Created() const { return FCreated; }
  // Another copy holds the lock (and kept it past the wait).
  bool Busy() const { return FBusy; }
  // While held: the file a save replaces, its folder, and the locked file, through which
  // the holder reads it.
  const QString& Target() const { return FTarget; }
  int Folder() const { return FFolder; }
  int Handle() const { return FFile; }
  // While held: the name still reaches the locked file, and that file still holds basis,
  // the bytes read from it (another program may rewrite it in place, lock or not).
  bool Unchanged(const QByteArray& basis) const;

private:
  friend TSaveResult SaveFile(TSaveLock& lock, const QByteArray& bytes, const QByteArray& basis);
  bool InPlace() const;
  void Release();

  int FFolder = -1;
  bool FFolderOpen = false;  // opened for reading, so it can be synced
  int FFile = -1;
  bool FCreated = false;  // the locked file was made empty for the lock
  bool FLocked = false;   // FFile's lock is ours (and may not count yet)
  QByteArray FName;       // of the file, in the folder
  QByteArray FPath;       // the name the caller gave
  QString FTarget;
  bool FHeld = false;
  bool FBusy = false;
};

// Replaces the locked file with bytes, made from basis (the file as read under the lock):
// a new hidden temporary beside it, written and synced, given the old file's owner and
// permissions, locked, renamed over it, then the folder synced so that the rename
// survives a power cut too. The lock is then on the new file. A file without write
// permission (for anyone, when run as root) is never replaced, nor one the name no
// longer reaches or that no longer holds basis (Moved: lock the file now there, read it
// and start over).
TSaveResult SaveFile(TSaveLock& lock, const QByteArray& bytes, const QByteArray& basis);

enum class TReadResult {
  Read,
  Busy,    // another copy's lock refused the read: try again
  Failed,  // a read error, or more than maxBytes
};

// The whole file behind handle, read from its start (so the lock's descriptor serves
// too), and its status after the read.
TReadResult ReadWholeFile(int handle, qint64 maxBytes, QByteArray& bytes, struct stat& status);

// Removes temporaries that a copy killed while saving left beside the file (the hidden
// ".<file name>.pellamy-save-XXXXXX" only this program makes, six letters or digits, a
// regular file of ours, last changed at least minAgeSeconds ago). Only while the save
// lock can be taken at once, so never another running copy's save in progress. A name a
// player gives a copy of the file is never touched. Returns how many went.
int RemoveStraySaveFiles(const QString& fileName, qint64 minAgeSeconds = 60);
