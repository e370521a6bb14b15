#include "engine/Sounds.h"

#include <QThread>

#include "art/Sounds.h"
#include "engine/SoundSettings.h"
#include "platform/SoundPlayer.h"

TSoundManager* SoundManager = nullptr;

namespace {

// Switch ids of the options dialog.
enum : int {
  sndStartup = 0,
  sndCustomStartup = 1,
  sndShuffle = 2,
  sndDeal = 3,
  sndStock = 4,
  sndRestart = 5,
  sndAutoplay = 6,
  sndUndo = 7,
  sndRedo = 8,
  sndCardUp = 9,
  sndCardDown = 10,
  sndWin = 11,
  sndSpringy = 12
};

bool IsOn(int id) {
  const TSoundSettings* settings = SoundSettings();
  return settings && settings->IsSoundOn(id);
}

void PlaySwitched(int id, const char* name, TSoundMode mode) {
  if (IsOn(id)) SoundDevice()->Play(SoundResource(QLatin1String(name)), mode);
}

}  // namespace

void TSoundManager::PlayStartup(bool force) {
  const TSoundSettings* settings = SoundSettings();
  if (!settings) return;
  if (!force && !settings->IsSoundOn(sndStartup)) return;
  if (settings->IsSoundOn(sndCustomStartup)) {
    const QString file = settings->StartupSoundFile();
    if (!file.isEmpty()) SoundDevice()->PlayFile(file, smAsync);
    return;
  }
  SoundDevice()->Play(SoundResource(QStringLiteral("OPEN")), smAsync);
}

void TSoundManager::PlayShuffle() { PlaySwitched(sndShuffle, "SHUFFLE", smSync); }
void TSoundManager::PlayDeal() { PlaySwitched(sndDeal, "DEAL", smSync); }
void TSoundManager::PlayStock() { PlaySwitched(sndStock, "STOCK", smSync); }
void TSoundManager::PlayRestart() { PlaySwitched(sndRestart, "RESTART", smSync); }

void TSoundManager::PlayAutoplayStep() {
  PlaySwitched(sndAutoplay, "AUTOPLAY", smSync);
  const TSoundSettings* settings = SoundSettings();
  const int delay = settings ? settings->GetAutoplayDelay() : 0;
  if (delay > 0) QThread::msleep(static_cast<unsigned long>(delay));
}

void TSoundManager::PlayAutoplay() { PlaySwitched(sndAutoplay, "AUTOPLAY", smAsync); }
void TSoundManager::PlayUndo() { PlaySwitched(sndUndo, "UNDO", smSync); }
void TSoundManager::PlayRedo() { PlaySwitched(sndRedo, "REDO", smSync); }
void TSoundManager::PlayCardUp() { PlaySwitched(sndCardUp, "CARDUP", smAsync); }
void TSoundManager::PlayCardDown() { PlaySwitched(sndCardDown, "CARDDOWN", smAsync); }
void TSoundManager::PlayCardDownSync() { PlaySwitched(sndCardDown, "CARDDOWN", smSync); }
void TSoundManager::PlayWin() { PlaySwitched(sndWin, "WIN_SND", smAsync); }

void TSoundManager::PlayBoing(int direction) {
  PlaySwitched(sndSpringy, direction == 1 ? "BOING1" : "BOING2", smNoStop);
}

void TSoundManager::PlayJester() {
  const TSoundSettings* settings = SoundSettings();
  if (settings && settings->IsSoundEnabled())
    SoundDevice()->Play(SoundResource(QStringLiteral("JESTER")), smAsync);
}
