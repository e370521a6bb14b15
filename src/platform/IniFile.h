#pragma once
// The settings file with the semantics of the Windows profile calls: case-insensitive
// section and key names, first occurrence wins, values trimmed with one pair of quotes
// stripped, ';' comment lines, new keys appended at the end of their section and new
// sections at the end of the file, every untouched byte kept. Text on disk is
// Windows-1252. Every write goes to disk at once, atomically and durably (a hidden
// temporary beside the file, synced, renamed over it keeping the file's permissions, and
// the folder synced so the rename survives a power cut); a linked file is replaced at
// the link's target; a failed write leaves the old file as it was. A file without write
// permission is never replaced, also not by root.
//
// The parsed file is kept in memory and read again only when the file on disk changed
// (its inode, size or time stamps differ, or it changed too recently for the stamps to
// tell, as it always has just after a save). Several copies of the program may share the
// file: each write holds an advisory lock from reading the file to renaming the new one
// into place, so no copy writes back a view that misses another copy's change. The lock
// is taken on the file itself (the end of the link chain, opened for writing), so every
// copy takes the same one whatever name it uses for the file and whichever user it runs
// as, as long as it may write the file. A write that can lock nothing fails. A caller
// that reads a value and writes back something made from it (a counter) uses
// UpdatePrivateProfile, which does both under one lock, so no copy's change is lost.
// Where locks are enforced (SMB mounts), a read that another copy's lock refuses answers
// with the file as last read, never as empty. Other programs (an editor, cp, a sync tool)
// may write the file in place, lock or not: a save waits until such a file holds still
// before it reads it, and makes its change again on the file as it is then.
//
// A write waits for another copy's lock about half a second at most (briefly while
// changes are already kept back). A copy that holds it longer is stuck (stopped in a
// debugger, by Ctrl+Z) or the machine is busy; or another program kept changing the file
// through every try. The change is then kept in memory, in order, and written before the
// next write to that file or at FlushPrivateProfiles, which the program runs as it ends.
// A later write of a key takes the place of an earlier kept one; an update is applied
// again to the file as it is then. Reads of the file answer as if the kept changes were
// written.
//
// A copy that starts while another copy's lock refuses every read (shares that enforce
// locks) and waits in vain goes on with defaults. What it takes without the file (the
// default of each read, and what it writes meanwhile) never replaces a stored value, also
// once the file can be read: writing such a value again only adds the key where the file
// lacks it. A key written with another value once the file can be read is the player's
// choice, and saved; so is every update.
//
// Line endings: a rewritten line keeps its own ending; an added line takes the ending of
// the file's first terminated line, and a new file uses "\r\n" as Windows does. A new key
// goes after the last non-blank line of its section (comments included); a new section
// goes at the end of the file without a blank line before it. Line breaks inside names and
// values are written as blanks, so a value can never add lines of its own.

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>

#include "platform/IniDocument.h"
#include "platform/IniSave.h"

// The two profile calls. A missing file or key, or an empty section, key or file name,
// gives def. A value of nullopt deletes the key; an empty key erases the whole section.
// Returns false when the file could not be read, written, synced or locked (or section or
// file name is empty); a write that changes nothing does not touch the file. A write
// kept back behind a stuck copy's lock returns true: it is not lost, reads see it, and it
// goes to disk with the next write or the flush (which reports it if it never does).
QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& fileName);
bool WritePrivateProfileString(const QString& section, const QString& key,
                               const std::optional<QString>& value, const QString& fileName);

// Reads and writes several keys of the file as one change: the lock is taken once, the
// file read afresh under it, change run on it, and the result saved once. Returns as a
// write does. change may run more than once (when kept back: again on the file as it is
// when it is written, and for reads meanwhile), so it must work from what it reads
// through the edit only. It runs without the settings layer's own locks, holding only
// the file's save lock: it may read the file through the profile calls (they show it
// without change's edits), and a write it makes to the same file waits for the save lock
// and is kept back.
bool UpdatePrivateProfile(const QString& fileName, std::function<void(TIniEdit&)> change);

// Writes every change kept back behind a stuck copy, waiting for the locks no longer
// than timeout in all. Called when the program ends (also from exit(): it needs no other
// object of the program). True when nothing is left unsaved; otherwise one line per file
// on standard error names the file and its unsaved sections, those of writes another
// thread still has under way included.
bool FlushPrivateProfiles(std::chrono::milliseconds timeout = std::chrono::seconds(5));

// True while this copy has never read the file: another copy's lock refused every read so
// far, and reads give defaults.
bool ProfileUnread(const QString& fileName);

// The framework's INI class over the same calls.
class TIniFile {
public:
  explicit TIniFile(QString fileName) : FFileName(std::move(fileName)) {}

  const QString& FileName() const { return FFileName; }

  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  // Decimal or hex ("$1F", "0x1F") integer; def when missing or unreadable.
  int ReadInteger(const QString& section, const QString& key, int def) const;
  // ReadInteger(def ? 1 : 0) != 0.
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  // Writes "1" or "0".
  void WriteBool(const QString& section, const QString& key, bool value);
  void DeleteKey(const QString& section, const QString& key);
  void EraseSection(const QString& section);
  // Key names of the section in file order (first occurrence of each).
  QStringList ReadSection(const QString& section) const;
  QStringList ReadSections() const;
  // True when the section holds at least one key.
  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;

private:
  QString FFileName;
};
