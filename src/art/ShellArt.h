#pragma once
// The shell's pictures, drawn by our own code and kept as PNG data: the jester frames
// "JESTER", "JESTERLEFT", "JESTERRIGHT" (68x97, transparent), the game previews
// "1000".."1029" (155x105), the tip picture "TIPBMP" and the program icon "MAINICON".

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

// PNG data of the named picture; empty for an unknown name.
QByteArray PngResource(const QString& name);
// The named picture decoded through libpng; null for an unknown or damaged one.
QImage LoadPngResource(const QString& name);

// Game previews can be replaced by pictures of the game's real opening layout: given at
// once, or drawn by a renderer the first time the preview is shown (start-up need not
// wait for thirty deals to be drawn).
void SetPreviewPicture(int gameIndex, const QImage& picture);
void SetPreviewRenderer(int gameIndex, std::function<QImage()> render);
