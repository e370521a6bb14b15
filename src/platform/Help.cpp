#include "platform/Help.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include "platform/Paths.h"

namespace Help {
namespace {
QPointer<QTextBrowser> HelpWindow;

QTextBrowser* EnsureWindow() {
  if (!HelpWindow) {
    HelpWindow = new QTextBrowser();
    HelpWindow->setAttribute(Qt::WA_DeleteOnClose);
    HelpWindow->setWindowTitle(QStringLiteral("Pellamy! Help"));
    HelpWindow->setOpenExternalLinks(true);
    HelpWindow->resize(640, 520);
  }
  return HelpWindow;
}
}  // namespace

QString DefaultHelpFile() { return Paths::DataFile(QStringLiteral("help")); }

QString TopicPage(const QString& helpFile, int topic) {
  const QString page = QDir(helpFile).filePath(QString::number(topic) + QStringLiteral(".html"));
  if (QFileInfo(page).isFile()) return page;
  const QString contents = QDir(helpFile).filePath(QStringLiteral("index.html"));
  if (QFileInfo(contents).isFile()) return contents;
  return QString();
}

QString HtmlHelp(const QString& helpFile, int topic) {
  QTextBrowser* window = EnsureWindow();
  const QString page = TopicPage(helpFile, topic);
  if (page.isEmpty()) {
    window->setHtml(QStringLiteral("<h2>Pellamy! Help</h2><p>The help pages were not found in %1.</p>")
                        .arg(helpFile.toHtmlEscaped()));
  } else {
    window->setSearchPaths({QFileInfo(page).absolutePath()});
    window->setSource(QUrl::fromLocalFile(page));
  }
  window->show();
  window->raise();
  window->activateWindow();
  return page;
}

void CloseAll() {
  if (HelpWindow) HelpWindow->close();
}

QWidget* Window() { return HelpWindow; }

}  // namespace Help
