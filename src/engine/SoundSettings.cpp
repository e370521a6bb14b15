#include "engine/SoundSettings.h"

namespace {
TSoundSettings* Registered = nullptr;
}

bool TSoundSettings::IsSoundEnabled() const {
  // Switch ids run from 0 to 12; with sound off altogether none of them is on.
  for (int id = 0; id <= 12; ++id)
    if (IsSoundOn(id)) return true;
  return false;
}

TSoundSettings* SoundSettings() { return Registered; }
void SetSoundSettings(TSoundSettings* settings) { Registered = settings; }
