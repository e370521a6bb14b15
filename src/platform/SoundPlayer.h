#pragma once
// Playing WAVE sounds. The program plays through one process-wide device, the ALSA
// player below unless a test has installed a stand-in. One audio thread owns one PCM;
// with no sound device every play is silent and returns at once, without a message.

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

enum TSoundMode {
  // Blocks the caller for the sound's length (no event loop runs meanwhile); cuts the
  // sound playing now.
  smSync,
  // Returns at once; cuts the sound playing now.
  smAsync,
  // As smAsync, but dropped while another sound is playing.
  smNoStop
};

// The sound output the program plays through.
class TSoundDevice {
public:
  virtual ~TSoundDevice() = default;
  // Plays a complete WAVE file held in memory. Anything that is not a playable PCM WAVE
  // plays nothing.
  virtual void Play(const QByteArray& wav, TSoundMode mode) = 0;
  // Plays a WAVE file; a missing or unreadable file, or anything but a regular file (a
  // FIFO, a device), plays nothing and returns at once.
  virtual void PlayFile(const QString& fileName, TSoundMode mode);
};

// The installed device: the test stand-in when one is set, else the ALSA player (made at
// first use on the "default" PCM).
TSoundDevice* SoundDevice();
// Installs a stand-in (not owned); null returns to the ALSA player.
void SetSoundDevice(TSoundDevice* device);

// The parts of a PCM WAVE file a player needs.
struct TWavData {
  int SampleRate = 0;
  int Channels = 0;
  int BitsPerSample = 0;  // 8, 16, 24 or 32
  QByteArray Samples;     // interleaved little-endian frames, whole frames only

  int FrameBytes() const { return Channels * (BitsPerSample / 8); }
  qint64 FrameCount() const { return FrameBytes() > 0 ? Samples.size() / FrameBytes() : 0; }
  qint64 DurationMs() const { return SampleRate > 0 ? FrameCount() * 1000 / SampleRate : 0; }
};

// Reads a RIFF WAVE image: integer PCM (format 1, or the extensible format with the PCM
// sub-format), 1 to 8 channels, 8/16/24/32 bits, 1,000 to 384,000 Hz. A header or data
// chunk cut short, another encoding or an empty data chunk give nothing.
std::optional<TWavData> ParseWav(const QByteArray& bytes);

// The ALSA player.
class TSoundPlayer : public TSoundDevice {
public:
  // Opens the named PCM ("default", or "null" for a device that accepts everything).
  explicit TSoundPlayer(const QString& pcmName = QStringLiteral("default"));
  // Returns within about a second even when the device stopped taking data.
  ~TSoundPlayer() override;
  TSoundPlayer(const TSoundPlayer&) = delete;
  TSoundPlayer& operator=(const TSoundPlayer&) = delete;

  void Play(const QByteArray& wav, TSoundMode mode) override;
  // Reads the file only when there is a device to play it on.
  void PlayFile(const QString& fileName, TSoundMode mode) override;

  // False when the PCM could not be opened, or failed since; then every play is silent.
  bool HasDevice() const;
  // A sound is playing (it has not reached its end and has not been cut).
  bool IsPlaying() const;
  // Sounds started so far (dropped and unplayable ones are not counted).
  int StartedCount() const;

private:
  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
};
