#include "art/Sounds.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double Rate = SoundSampleRate;
constexpr double Pi = 3.14159265358979323846;

using TBuffer = std::vector<double>;

TBuffer Silence(double seconds) { return TBuffer(std::size_t(std::lround(seconds * Rate)), 0.0); }

// Own noise source, so that every run gives the same bytes whatever else draws numbers.
class TNoise {
public:
  explicit TNoise(std::uint32_t seed) : FState(seed) {}
  double Next() {  // -1..1
    FState = FState * 1664525u + 1013904223u;
    return double(FState >> 8) / double(1u << 23) - 1.0;
  }
  double Uniform(double lo, double hi) { return lo + (hi - lo) * (Next() + 1.0) / 2.0; }

private:
  std::uint32_t FState;
};

// Band-pass biquad (constant peak gain), the usual audio-cookbook form.
class TBandPass {
public:
  TBandPass(double centre, double q) {
    const double w = 2 * Pi * centre / Rate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    FB0 = alpha / a0;
    FB2 = -alpha / a0;
    FA1 = -2 * std::cos(w) / a0;
    FA2 = (1 - alpha) / a0;
  }
  double Step(double x) {
    const double y = FB0 * x + FB2 * FX2 - FA1 * FY1 - FA2 * FY2;
    FX2 = FX1;
    FX1 = x;
    FY2 = FY1;
    FY1 = y;
    return y;
  }

private:
  double FB0 = 0, FB2 = 0, FA1 = 0, FA2 = 0;
  double FX1 = 0, FX2 = 0, FY1 = 0, FY2 = 0;
};

double Envelope(double t, double attack, double decay) {
  if (t < 0) return 0;
  const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
  return rise * std::exp(-std::max(0.0, t - attack) / decay);
}

// A burst of filtered noise: the snap of a card on the table, the rustle of a riffle.
void AddNoise(TBuffer& buf, TNoise& noise, double start, double length, double amp, double centre,
              double q, double attack, double decay) {
  TBandPass filter(centre, q);
  const std::size_t from = std::size_t(start * Rate);
  const std::size_t count = std::size_t(length * Rate);
  for (std::size_t i = 0; i < count && from + i < buf.size(); ++i) {
    const double t = double(i) / Rate;
    buf[from + i] += amp * Envelope(t, attack, decay) * filter.Step(noise.Next());
  }
}

// A tone gliding exponentially from f0 to f1, with harmonics of the given weights and
// an optional vibrato (depth as a fraction of the pitch, fading with vibratoDecay).
struct TTone {
  double Start = 0, Length = 0.1, Amp = 0.5;
  double F0 = 440, F1 = 440;
  double Attack = 0.005, Decay = 0.1;
  std::vector<double> Harmonics{1.0};
  double VibratoRate = 0, VibratoDepth = 0, VibratoDecay = 1e9;
  double Release = 0.004;  // fade at the end, so the tone stops without a click
};

void AddTone(TBuffer& buf, const TTone& tone) {
  const std::size_t from = std::size_t(tone.Start * Rate);
  const std::size_t count = std::size_t(tone.Length * Rate);
  double phase = 0;
  for (std::size_t i = 0; i < count && from + i < buf.size(); ++i) {
    const double t = double(i) / Rate;
    const double glide = tone.F0 * std::pow(tone.F1 / tone.F0, t / tone.Length);
    const double wobble =
        1 + tone.VibratoDepth * std::exp(-t / tone.VibratoDecay) * std::sin(2 * Pi * tone.VibratoRate * t);
    phase += 2 * Pi * glide * wobble / Rate;
    double v = 0;
    for (std::size_t h = 0; h < tone.Harmonics.size(); ++h) {
      // Harmonics above the Nyquist limit would fold back as noise.
      if (glide * double(h + 1) * 1.3 >= Rate / 2) break;
      v += tone.Harmonics[h] * std::sin(phase * double(h + 1));
    }
    const double tail = std::min(1.0, (tone.Length - t) / tone.Release);
    buf[from + i] += tone.Amp * Envelope(t, tone.Attack, tone.Decay) * tail * v;
  }
}

double Note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Scales to the given peak (well inside 16 bits), fades the last milliseconds and writes
// the WAVE image.
QByteArray ToWav(TBuffer buf, double peak = 0.7) {
  double max = 0;
  for (double v : buf) max = std::max(max, std::abs(v));
  const double gain = max > 0 ? peak / max : 0;
  const std::size_t fade = std::min<std::size_t>(buf.size(), std::size_t(0.002 * Rate));
  for (std::size_t i = 0; i < fade; ++i) buf[buf.size() - 1 - i] *= double(i) / double(fade);

  QByteArray data;
  data.reserve(qsizetype(buf.size() * 2));
  for (double v : buf) {
    const int s = int(std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767.0));
    data.append(char(s & 0xFF));
    data.append(char((s >> 8) & 0xFF));
  }
  auto le32 = [](QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
  };
  auto le16 = [](QByteArray& b, int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
  };
  QByteArray wav("RIFF");
  le32(wav, std::uint32_t(36 + data.size()));
  wav.append("WAVEfmt ");
  le32(wav, 16);
  le16(wav, 1);  // PCM
  le16(wav, 1);  // mono
  le32(wav, std::uint32_t(SoundSampleRate));
  le32(wav, std::uint32_t(SoundSampleRate * 2));
  le16(wav, 2);
  le16(wav, 16);
  wav.append("data");
  le32(wav, std::uint32_t(data.size()));
  wav.append(data);
  return wav;
}

// A card laid on the table: a bright slap with a soft body under it.
void AddSnap(TBuffer& buf, TNoise& noise, double at, double amp, double brightness) {
  AddNoise(buf, noise, at, 0.04, amp, 2200 * brightness, 1.1, 0.0005, 0.006);
  AddNoise(buf, noise, at + 0.001, 0.03, amp * 0.5, 5200 * brightness, 1.5, 0.0003, 0.003);
  TTone body;
  body.Start = at;
  body.Length = 0.035;
  body.Amp = amp * 0.35;
  body.F0 = 190;
  body.F1 = 120;
  body.Attack = 0.001;
  body.Decay = 0.010;
  AddTone(buf, body);
}

QByteArray MakeCardDown() {
  TBuffer buf = Silence(0.055);
  TNoise noise(101);
  AddSnap(buf, noise, 0.0, 1.0, 1.0);
  return ToWav(buf);
}

QByteArray MakeCardUp() {
  // Lifting: a short rising brush, lighter than the snap.
  TBuffer buf = Silence(0.045);
  TNoise noise(102);
  AddNoise(buf, noise, 0.0, 0.045, 1.0, 3800, 0.9, 0.012, 0.010);
  AddNoise(buf, noise, 0.010, 0.030, 0.5, 6500, 1.2, 0.004, 0.006);
  return ToWav(buf, 0.55);
}

QByteArray MakeDeal() {
  // A card slid off the deck, then laid down.
  TBuffer buf = Silence(0.065);
  TNoise noise(103);
  AddNoise(buf, noise, 0.0, 0.030, 0.45, 3000, 0.8, 0.015, 0.012);
  AddSnap(buf, noise, 0.026, 1.0, 1.1);
  return ToWav(buf);
}

QByteArray MakeStock() {
  // Turned over: two quick slaps, the second brighter.
  TBuffer buf = Silence(0.070);
  TNoise noise(104);
  AddSnap(buf, noise, 0.0, 0.7, 0.9);
  AddSnap(buf, noise, 0.028, 1.0, 1.25);
  return ToWav(buf);
}

QByteArray MakeShuffle() {
  // A riffle: cards falling from two halves, faster towards the end.
  TBuffer buf = Silence(0.080);
  TNoise noise(105);
  double at = 0.002;
  double gap = 0.0062;
  while (at < 0.072) {
    const double amp = 0.6 + 0.4 * std::sin(Pi * at / 0.075) * noise.Uniform(0.7, 1.0);
    AddNoise(buf, noise, at, 0.012, amp, noise.Uniform(2600, 5200), 1.4, 0.0003, 0.0018);
    at += gap;
    gap = std::max(0.0034, gap * 0.95);
  }
  return ToWav(buf);
}

QByteArray MakeAutoplay() {
  // A light wooden tock.
  TBuffer buf = Silence(0.060);
  TNoise noise(106);
  TTone tock;
  tock.Length = 0.060;
  tock.Amp = 0.8;
  tock.F0 = 1250;
  tock.F1 = 1150;
  tock.Attack = 0.001;
  tock.Decay = 0.012;
  tock.Harmonics = {1.0, 0.0, 0.3};
  AddTone(buf, tock);
  AddNoise(buf, noise, 0.0, 0.01, 0.5, 4000, 1.2, 0.0003, 0.0015);
  return ToWav(buf);
}

QByteArray MakeRestart() {
  // The cards gathered: a sweeping brush ending in a snap.
  TBuffer buf = Silence(0.080);
  TNoise noise(107);
  TBandPass low(1500, 0.9), high(4500, 0.9);
  const std::size_t sweep = std::size_t(0.055 * Rate);
  for (std::size_t i = 0; i < sweep; ++i) {
    const double t = double(i) / double(sweep);
    const double n = noise.Next();
    buf[i] += (0.15 + 0.5 * t) * ((1 - t) * low.Step(n) + t * high.Step(n));
  }
  AddSnap(buf, noise, 0.050, 1.0, 1.0);
  return ToWav(buf);
}

QByteArray MakeBlip(double from, double to) {
  TBuffer buf = Silence(0.065);
  TTone blip;
  blip.Length = 0.065;
  blip.Amp = 0.8;
  blip.F0 = from;
  blip.F1 = to;
  blip.Attack = 0.003;
  blip.Decay = 0.030;
  blip.Harmonics = {1.0, 0.25, 0.08};
  blip.Release = 0.010;
  AddTone(buf, blip);
  return ToWav(buf, 0.6);
}

QByteArray MakeBoing(double pitch, double wobbleRate, double length) {
  // A spring: a low twang whose pitch wobbles and settles while it dies away.
  TBuffer buf = Silence(length);
  TTone spring;
  spring.Length = length;
  spring.Amp = 0.8;
  spring.F0 = pitch * 1.25;
  spring.F1 = pitch * 0.9;
  spring.Attack = 0.004;
  spring.Decay = length / 3.5;
  spring.Harmonics = {1.0, 0.45, 0.2, 0.08};
  spring.VibratoRate = wobbleRate;
  spring.VibratoDepth = 0.22;
  spring.VibratoDecay = length / 3;
  spring.Release = 0.03;
  AddTone(buf, spring);
  return ToWav(buf, 0.65);
}

// A brass-like note for the fanfare.
TTone Brass(double start, double length, double freq, double amp) {
  TTone note;
  note.Start = start;
  note.Length = length;
  note.Amp = amp;
  note.F0 = note.F1 = freq;
  note.Attack = 0.018;
  note.Decay = 1.5;
  note.Harmonics = {1.0, 0.6, 0.4, 0.25, 0.12, 0.06};
  note.Release = 0.04;
  return note;
}

QByteArray MakeWin() {
  // G4 C5 E5 G5, then a held C major chord with a little vibrato on top.
  TBuffer buf = Silence(1.45);
  const int run[] = {-2, 3, 7, 10};
  for (int i = 0; i < 4; ++i) AddTone(buf, Brass(0.13 * i, 0.12, Note(run[i]), 0.55));
  const double held = 0.52;
  for (int semis : {3, 7, 10}) {
    TTone chord = Brass(held, 0.9, Note(semis), 0.32);
    chord.Decay = 0.9;
    AddTone(buf, chord);
  }
  TTone top = Brass(held, 0.9, Note(15), 0.5);
  top.Decay = 0.9;
  top.VibratoRate = 5.5;
  top.VibratoDepth = 0.008;
  AddTone(buf, top);
  return ToWav(buf, 0.72);
}

// A soft bell with a few harmonic partials.
TTone Bell(double start, double length, double freq, double amp, double decay) {
  TTone bell;
  bell.Start = start;
  bell.Length = length;
  bell.Amp = amp;
  bell.F0 = bell.F1 = freq;
  bell.Attack = 0.003;
  bell.Decay = decay;
  bell.Harmonics = {1.0, 0.35, 0.0, 0.12};
  bell.Release = 0.05;
  return bell;
}

QByteArray MakeOpen() {
  // A rising C major chime: C5 E5 G5 C6, each ringing on under the next.
  TBuffer buf = Silence(1.2);
  const int notes[] = {3, 7, 10, 15};
  for (int i = 0; i < 4; ++i) {
    const double start = 0.11 * i;
    AddTone(buf, Bell(start, 1.2 - start, Note(notes[i]), 0.5, 0.35));
  }
  return ToWav(buf, 0.7);
}

QByteArray MakeJester() {
  // A cheeky tune: hopping reedy notes, a slide up and a shake of bells.
  TBuffer buf = Silence(0.95);
  TNoise noise(113);
  const int tune[] = {7, 10, 7, 14, 12};
  for (int i = 0; i < 5; ++i) {
    TTone hop;
    hop.Start = 0.085 * i;
    hop.Length = 0.075;
    hop.Amp = 0.45;
    hop.F0 = hop.F1 = Note(tune[i]);
    hop.Attack = 0.004;
    hop.Decay = 0.08;
    hop.Harmonics = {1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14};
    hop.Release = 0.012;
    AddTone(buf, hop);
  }
  TTone slide;
  slide.Start = 0.43;
  slide.Length = 0.2;
  slide.Amp = 0.4;
  slide.F0 = Note(5);
  slide.F1 = Note(22);
  slide.Attack = 0.02;
  slide.Decay = 0.5;
  slide.Harmonics = {1.0, 0.15};
  slide.VibratoRate = 9;
  slide.VibratoDepth = 0.01;
  slide.Release = 0.03;
  AddTone(buf, slide);
  for (int i = 0; i < 6; ++i) {
    const double at = 0.64 + 0.035 * i;
    AddTone(buf, Bell(at, 0.95 - at, Note(27 + (i % 2) * 4), 0.22, 0.07));
    AddNoise(buf, noise, at, 0.03, 0.12, 7000, 2.0, 0.001, 0.008);
  }
  return ToWav(buf, 0.7);
}

struct TRecipe {
  const char* Name;
  QByteArray (*Make)();
};

const TRecipe Recipes[] = {
    {"OPEN", MakeOpen},
    {"SHUFFLE", MakeShuffle},
    {"DEAL", MakeDeal},
    {"STOCK", MakeStock},
    {"AUTOPLAY", MakeAutoplay},
    {"RESTART", MakeRestart},
    {"UNDO", [] { return MakeBlip(990, 620); }},
    {"REDO", [] { return MakeBlip(620, 990); }},
    {"CARDUP", MakeCardUp},
    {"CARDDOWN", MakeCardDown},
    {"WIN_SND", MakeWin},
    {"BOING1", [] { return MakeBoing(196, 17, 0.36); }},
    {"BOING2", [] { return MakeBoing(262, 21, 0.30); }},
    {"JESTER", MakeJester},
};

}  // namespace

QByteArray SoundResource(const QString& name) {
  static QMutex lock;
  static QHash<QString, QByteArray> cache;
  QMutexLocker locker(&lock);
  if (auto it = cache.constFind(name); it != cache.constEnd()) return *it;
  for (const TRecipe& recipe : Recipes)
    if (name == QLatin1String(recipe.Name)) return cache[name] = recipe.Make();
  return {};
}

QStringList SoundResourceNames() {
  QStringList names;
  for (const TRecipe& recipe : Recipes) names << QString::fromLatin1(recipe.Name);
  return names;
}
