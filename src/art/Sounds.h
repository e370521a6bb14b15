#pragma once
// The program's built-in sounds, synthesised by our own code on first use and kept:
// 16-bit mono PCM WAVE images at 22,050 Hz, the same bytes on every run.

#include <QByteArray>
#include <QString>
#include <QStringList>

// "OPEN", "SHUFFLE", "DEAL", "STOCK", "AUTOPLAY", "RESTART", "UNDO", "REDO", "CARDUP",
// "CARDDOWN", "WIN_SND", "BOING1", "BOING2", "JESTER" (case as written); empty for any
// other name.
QByteArray SoundResource(const QString& name);

// Every name SoundResource knows.
QStringList SoundResourceNames();

inline constexpr int SoundSampleRate = 22050;
