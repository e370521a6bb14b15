#pragma once
// What the engine's sound manager asks of the settings store. The settings store (in the
// shell, a layer above) implements it and registers itself at construction.

#include <QString>

class TSoundSettings {
public:
  virtual ~TSoundSettings() = default;
  // False when sound is off altogether, else the state of switch id.
  virtual bool IsSoundOn(int id) const = 0;
  // The custom start-up sound file ("" when none).
  virtual QString StartupSoundFile() const = 0;
  // Pause after each autoplay step, in milliseconds.
  virtual int GetAutoplayDelay() const = 0;
  // The master switch alone (the jester sound asks no other). The settings store should
  // answer from its own flag; this fallback is right unless every switch is off.
  virtual bool IsSoundEnabled() const;
};

// The registered settings, or null before the settings store exists (then nothing plays).
TSoundSettings* SoundSettings();
void SetSoundSettings(TSoundSettings* settings);
