// Pellamy! entry point: the long-lived windows in their order, then the event loop.

#include <QApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

#include "app/GameFactories.h"
#include "platform/IniFile.h"
#include "platform/InstanceLock.h"
#include "platform/Metrics.h"
#include "platform/Paths.h"
#include "platform/Prompts.h"
#include "shell/PellamyWindow.h"
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

// Settings kept back behind another copy that held the file too long (stopped in a
// debugger, say), including what the windows stored as they closed. Runs once, however
// the program ends: after the event loop, or from exit() when the toolkit ends the
// program itself (it does when the display connection is lost). It touches the settings
// layer only, whose state outlives every other object.
std::atomic_flag SettingsFlushed = ATOMIC_FLAG_INIT;

void FlushSettingsOnce() {
  if (!SettingsFlushed.test_and_set()) FlushPrivateProfiles();
}

// SIGTERM (shutdown, kill), SIGINT (Ctrl+C) and SIGHUP (the terminal or session gone) end
// the program as its Quit command does. The handler only writes the signal's number into
// a pipe; the event loop reads it and closes the windows.
int SignalPipe[2] = {-1, -1};
bool Ending = false;

void OnSignal(int signal) {
  const int savedErrno = errno;
  const char byte = char(signal);
  // Nothing to do when the pipe is full: a byte already waits to be read.
  [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
  errno = savedErrno;
}

void CatchEndingSignals() {
  if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    // A signal ignored by whoever started the program stays ignored (nohup's SIGHUP).
    struct sigaction before {};
    if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
}

// Closes the main window as Quit does, so game windows close and store what they keep.
// Nobody is there to answer: a question asked on the way gets the answer that lets the
// program end (a game in progress is resigned and counted, as with confirmations off).
// When the event loop has not started yet (a dialog of the start-up was showing), it is
// not started.
void EndAsQuitDoes() {
  char bytes[16];
  while (::read(SignalPipe[0], bytes, sizeof bytes) > 0) {
  }
  if (Ending) return;
  Ending = true;
  Prompts::SetAnswerer([](const Prompts::TPrompt& prompt) {
    switch (prompt.Buttons) {
      case Prompts::TButtons::YesNo:
      case Prompts::TButtons::YesNoCancel: return Prompts::IDYES;
      case Prompts::TButtons::RetryCancel: return Prompts::IDCANCEL;
      default: return Prompts::IDOK;
    }
  });
  if (PellamyForm) PellamyForm->close();
  // Leaves every running event loop, also a start-up dialog's before the main loop runs
  // (where quit() does nothing).
  QCoreApplication::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  CatchEndingSignals();
  std::atexit(FlushSettingsOnce);
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
    std::unique_ptr<QSocketNotifier> signalNotifier;
    if (SignalPipe[0] >= 0) {
      signalNotifier = std::make_unique<QSocketNotifier>(SignalPipe[0], QSocketNotifier::Read);
      QObject::connect(signalNotifier.get(), &QSocketNotifier::activated, signalNotifier.get(), [] { EndAsQuitDoes(); });
    }
    TLongLivedWindows windows = CreateLongLivedWindows();
    if (!Ending) result = app.exec();
  } catch (const std::exception& error) {
    ShowException(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ShowException(QString());
  }
  FlushSettingsOnce();
  return result;
}
