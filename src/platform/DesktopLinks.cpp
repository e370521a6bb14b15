#include "platform/DesktopLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace DesktopLinks {
namespace {
TOpener& Opener() {
  static TOpener opener;
  return opener;
}
}  // namespace

bool OpenUrl(const QString& url) {
  if (Opener()) return Opener()(url);
  return QDesktopServices::openUrl(QUrl(url));
}

void SetOpener(TOpener opener) { Opener() = std::move(opener); }
}  // namespace DesktopLinks
