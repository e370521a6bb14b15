#pragma once
// Web and mail links open with the desktop's URL handler. Tests install an opener that
// records the link instead.

#include <QString>
#include <functional>

namespace DesktopLinks {
bool OpenUrl(const QString& url);
using TOpener = std::function<bool(const QString& url)>;
void SetOpener(TOpener opener);  // an empty opener restores the desktop's handler
}  // namespace DesktopLinks
