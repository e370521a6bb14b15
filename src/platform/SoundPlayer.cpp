#include "platform/SoundPlayer.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/SafeFile.h"

namespace {

using TClock = std::chrono::steady_clock;

// A user's sound file bigger than this is not a sound the program would play.
constexpr qint64 MaxSoundFileBytes = 64 * 1024 * 1024;
// How long quitting waits for the audio thread. A device that stopped taking data keeps
// the thread inside ALSA for good; the program ends without it.
constexpr auto QuitWait = std::chrono::milliseconds(1000);

quint32 Le32(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return quint32(u[0]) | (quint32(u[1]) << 8) | (quint32(u[2]) << 16) | (quint32(u[3]) << 24);
}
quint16 Le16(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return quint16(u[0] | (u[1] << 8));
}

// ALSA reports failures (no card, no configuration) on standard error by default; a
// machine without sound must stay quiet.
void SilentAlsaError(const char*, int, const char*, int, const char*, ...) {}

TSoundDevice* Installed = nullptr;

}  // namespace

void TSoundDevice::PlayFile(const QString& fileName, TSoundMode mode) {
  // The name comes from the settings: it may be a FIFO or a device, which must not
  // block the caller.
  const std::optional<QByteArray> bytes = ReadRegularFile(fileName, MaxSoundFileBytes);
  if (!bytes || bytes->isEmpty()) return;
  Play(*bytes, mode);
}

TSoundDevice* SoundDevice() {
  if (Installed) return Installed;
  // Made at first use and kept to the end of the process.
  static TSoundPlayer player;
  return &player;
}

void SetSoundDevice(TSoundDevice* device) { Installed = device; }

std::optional<TWavData> ParseWav(const QByteArray& bytes) {
  const qint64 size = bytes.size();
  const char* d = bytes.constData();
  if (size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
    return std::nullopt;

  const char* fmt = nullptr;
  quint32 fmtSize = 0;
  const char* data = nullptr;
  quint32 dataSize = 0;
  qint64 pos = 12;
  while (pos + 8 <= size && !(fmt && data)) {
    const char* id = d + pos;
    const quint32 chunkSize = Le32(d + pos + 4);
    const qint64 body = pos + 8;
    if (qint64(chunkSize) > size - body) return std::nullopt;  // cut short
    if (std::memcmp(id, "fmt ", 4) == 0 && !fmt) {
      fmt = d + body;
      fmtSize = chunkSize;
    } else if (std::memcmp(id, "data", 4) == 0 && !data) {
      data = d + body;
      dataSize = chunkSize;
    }
    pos = body + qint64(chunkSize) + (chunkSize & 1);
  }
  if (!fmt || !data || fmtSize < 16) return std::nullopt;

  const quint16 tag = Le16(fmt);
  if (tag == 0xFFFE) {
    // Extensible: the sub-format GUID must be integer PCM.
    static const unsigned char pcmGuid[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                              0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    if (fmtSize < 40 || std::memcmp(fmt + 24, pcmGuid, 16) != 0) return std::nullopt;
  } else if (tag != 1) {
    return std::nullopt;
  }

  TWavData wav;
  wav.Channels = Le16(fmt + 2);
  wav.SampleRate = int(Le32(fmt + 4));
  const quint16 blockAlign = Le16(fmt + 12);
  wav.BitsPerSample = Le16(fmt + 14);
  if (wav.Channels < 1 || wav.Channels > 8) return std::nullopt;
  if (wav.SampleRate < 1000 || wav.SampleRate > 384000) return std::nullopt;
  if (wav.BitsPerSample != 8 && wav.BitsPerSample != 16 && wav.BitsPerSample != 24 &&
      wav.BitsPerSample != 32)
    return std::nullopt;
  if (blockAlign != wav.FrameBytes()) return std::nullopt;

  const quint32 whole = dataSize - dataSize % quint32(wav.FrameBytes());
  if (whole == 0) return std::nullopt;
  wav.Samples = QByteArray(data, qsizetype(whole));
  return wav;
}

struct TSoundPlayer::TImpl {
  std::mutex M;
  std::condition_variable Wake;  // the audio thread: a request, a cut or quitting
  std::condition_variable Done;  // a synchronous caller: its sound ended or was cut
  std::thread Thread;

  // Guarded by M.
  std::optional<TWavData> Pending;
  quint64 Generation = 0;  // of the latest accepted request
  quint64 Finished = 0;    // latest generation that ended or was cut
  bool Playing = false;
  bool Quit = false;
  bool Exited = false;  // the audio thread has left Run
  int Started = 0;

  std::atomic<quint64> Current{0};  // Generation, readable by the audio thread unlocked
  std::atomic<bool> Device{false};

  // Owned by the audio thread.
  snd_pcm_t* Pcm = nullptr;
  int Rate = 0, Channels = 0, Bits = 0;

  bool Cut(quint64 gen) const { return Current.load() != gen; }
  bool Configure(const TWavData& wav);
  void PlayOne(const TWavData& wav, quint64 gen);
  void Run();
};

bool TSoundPlayer::TImpl::Configure(const TWavData& wav) {
  if (wav.SampleRate == Rate && wav.Channels == Channels && wav.BitsPerSample == Bits) return true;
  snd_pcm_format_t format = SND_PCM_FORMAT_S16_LE;
  switch (wav.BitsPerSample) {
    case 8: format = SND_PCM_FORMAT_U8; break;
    case 16: format = SND_PCM_FORMAT_S16_LE; break;
    case 24: format = SND_PCM_FORMAT_S24_3LE; break;
    default: format = SND_PCM_FORMAT_S32_LE; break;
  }
  snd_pcm_hw_free(Pcm);
  // Converting and resampling plug-in allowed; 100 ms of buffer.
  if (snd_pcm_set_params(Pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(wav.Channels),
                         unsigned(wav.SampleRate), 1, 100000) < 0) {
    Rate = Channels = Bits = 0;
    return false;
  }
  Rate = wav.SampleRate;
  Channels = wav.Channels;
  Bits = wav.BitsPerSample;
  return true;
}

void TSoundPlayer::TImpl::PlayOne(const TWavData& wav, quint64 gen) {
  if (!Configure(wav)) return;
  if (snd_pcm_prepare(Pcm) < 0) return;
  const auto start = TClock::now();
  const char* frames = wav.Samples.constData();
  const snd_pcm_uframes_t total = snd_pcm_uframes_t(wav.FrameCount());
  // About 20 ms at a time, so that a cut is noticed quickly.
  const snd_pcm_uframes_t chunk = std::max<snd_pcm_uframes_t>(64, snd_pcm_uframes_t(wav.SampleRate / 50));
  snd_pcm_uframes_t done = 0;
  while (done < total && !Cut(gen)) {
    const snd_pcm_uframes_t n = std::min(chunk, total - done);
    const snd_pcm_sframes_t written = snd_pcm_writei(Pcm, frames + done * wav.FrameBytes(), n);
    if (written < 0) {
      if (snd_pcm_recover(Pcm, int(written), 1) < 0) {
        // The device went away: silent from now on.
        Device = false;
        return;
      }
      continue;
    }
    done += snd_pcm_uframes_t(written);
  }

  // Sound ends at its length after the start, or when the device has played what it
  // holds, whichever is later.
  auto end = start + std::chrono::milliseconds(wav.DurationMs());
  snd_pcm_sframes_t delay = 0;
  if (!Cut(gen) && snd_pcm_delay(Pcm, &delay) == 0 && delay > 0)
    end = std::max(end, TClock::now() + std::chrono::milliseconds(qint64(delay) * 1000 / wav.SampleRate));
  {
    std::unique_lock lock(M);
    Wake.wait_until(lock, end, [&] { return Quit || Cut(gen); });
  }
  if (Cut(gen) || Quit)
    snd_pcm_drop(Pcm);
  else
    snd_pcm_drain(Pcm);
}

void TSoundPlayer::TImpl::Run() {
  std::unique_lock lock(M);
  for (;;) {
    Wake.wait(lock, [&] { return Quit || Pending.has_value(); });
    if (Quit) break;
    TWavData wav = std::move(*Pending);
    Pending.reset();
    const quint64 gen = Generation;
    lock.unlock();
    if (Device) PlayOne(wav, gen);
    lock.lock();
    Finished = std::max(Finished, gen);
    if (Generation == gen) Playing = false;
    Done.notify_all();
  }
  Exited = true;
  Done.notify_all();
}

TSoundPlayer::TSoundPlayer(const QString& pcmName) : FImpl(std::make_unique<TImpl>()) {
  static std::once_flag silenced;
  std::call_once(silenced, [] { snd_lib_error_set_handler(SilentAlsaError); });
  // Non-blocking open so that a device held by another program cannot hang start-up;
  // the audio thread then writes in blocking mode.
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, pcmName.toLocal8Bit().constData(), SND_PCM_STREAM_PLAYBACK,
                   SND_PCM_NONBLOCK) < 0)
    return;
  if (snd_pcm_nonblock(pcm, 0) < 0) {
    snd_pcm_close(pcm);
    return;
  }
  FImpl->Pcm = pcm;
  FImpl->Device = true;
  FImpl->Thread = std::thread([impl = FImpl.get()] { impl->Run(); });
}

TSoundPlayer::~TSoundPlayer() {
  if (FImpl->Thread.joinable()) {
    bool exited;
    {
      std::unique_lock lock(FImpl->M);
      FImpl->Quit = true;
      FImpl->Current = ~quint64(0);
      FImpl->Wake.notify_all();
      exited = FImpl->Done.wait_for(lock, QuitWait, [&] { return FImpl->Exited; });
    }
    if (!exited) {
      // The thread is stuck in a write to the device. It cannot be stopped or joined:
      // leave it, with everything it uses (the PCM is not closed under it).
      FImpl->Device = false;
      FImpl->Thread.detach();
      (void)FImpl.release();
      return;
    }
    FImpl->Thread.join();
  }
  if (FImpl->Pcm) snd_pcm_close(FImpl->Pcm);
}

void TSoundPlayer::PlayFile(const QString& fileName, TSoundMode mode) {
  // Without a device the file is not even opened.
  if (!FImpl->Device) return;
  TSoundDevice::PlayFile(fileName, mode);
}

void TSoundPlayer::Play(const QByteArray& wav, TSoundMode mode) {
  if (!FImpl->Device) return;
  std::optional<TWavData> data = ParseWav(wav);
  if (!data) return;
  const qint64 length = data->DurationMs();

  std::unique_lock lock(FImpl->M);
  if (mode == smNoStop && FImpl->Playing) return;
  const quint64 gen = ++FImpl->Generation;
  FImpl->Current = gen;
  FImpl->Pending = std::move(data);
  FImpl->Playing = true;
  ++FImpl->Started;
  FImpl->Wake.notify_all();
  if (mode == smSync) {
    // Bounded, so that a stuck device cannot hang the caller; a device that keeps a
    // sound this far past its end is given up, so later sounds do not wait as well.
    if (!FImpl->Done.wait_for(lock, std::chrono::milliseconds(length + 3000),
                              [&] { return FImpl->Finished >= gen || !FImpl->Device; }))
      FImpl->Device = false;
  }
}

bool TSoundPlayer::HasDevice() const { return FImpl->Device; }

bool TSoundPlayer::IsPlaying() const {
  std::lock_guard lock(FImpl->M);
  return FImpl->Playing;
}

int TSoundPlayer::StartedCount() const {
  std::lock_guard lock(FImpl->M);
  return FImpl->Started;
}
