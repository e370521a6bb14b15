#include "engine/SoundSettings.h"

namespace {
TSoundSettings* Registered = nullptr;
}

TSoundSettings* SoundSettings() { return Registered; }
void SetSoundSettings(TSoundSettings* settings) { Registered = settings; }
