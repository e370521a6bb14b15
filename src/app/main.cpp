// Pellamy! entry point: the long-lived windows in their order, then the event loop.

#include <QApplication>
#include <exception>

#include "app/GameFactories.h"
#include "platform/IniFile.h"
#include "platform/InstanceLock.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "shell/Startup.h"

namespace {

void ShowException(const QString& message) {
  Prompts::MessageBox(nullptr, message, QStringLiteral("Pellamy!"), Prompts::TButtons::Ok, Prompts::TIcon::Error);
}

// Every event handler runs inside notify: an exception escaping one is shown to the user
// instead of ending the program.
class TPellamyApplication : public QApplication {
public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
      ShowException(QString());
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  // The named lock "Pellamy", held while the program runs; a second copy starts all the same.
  const TInstanceLock instanceLock;
  TPellamyApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Pellamy!"));
  // The program ends when the main window closes, not when its last window hides.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(Metrics::ArialFont(12));
  RegisterGameWindows();
  // Temporaries of saves that a killed copy left beside the settings file.
  RemoveStraySaveFiles(Paths::SettingsFilePath());

  int result = 0;
  try {
    TLongLivedWindows windows = CreateLongLivedWindows();
    result = app.exec();
  } catch (const std::exception& error) {
    ShowException(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ShowException(QString());
  }
  // Settings kept back behind another copy that held the file too long (stopped in a
  // debugger, say), including what the windows stored as they closed.
  FlushPrivateProfiles();
  return result;
}
