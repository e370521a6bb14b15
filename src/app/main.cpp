// Pellamy! entry point: the long-lived windows in their order, then the event loop.

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <system_error>
#include <thread>

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
  // How many events are being delivered now, one inside another: 1 in the main event
  // loop's own handlers, more inside a dialog's loop or a handler that processes events.
  static int Depth() { return FDepth; }

  bool notify(QObject* receiver, QEvent* event) override {
    struct TDepth {
      TDepth() { ++FDepth; }
      ~TDepth() { --FDepth; }
    } depth;
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
      ShowException(QString());
    }
    return false;
  }

private:
  static inline int FDepth = 0;
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
// a pipe; the event loop reads it and closes the windows. A second Ctrl+C while the
// program is ending ends it at once, as a terminal user expects; SIGTERM and SIGHUP,
// which a logout may send together, leave the ending to finish.
int SignalPipe[2] = {-1, -1};
volatile std::sig_atomic_t EndRequested = 0;
bool Ending = false;
bool InMainLoop = false;

// Before it ends at once, the second Ctrl+C names the settings kept back behind another
// copy's lock, as the ending's flush would have. The main thread may be waiting for that
// very lock, and the handler may do next to nothing, so a thread of its own does it,
// woken through a pipe. A third Ctrl+C, or a second gone by, ends the program anyway.
int EndNowPipe[2] = {-1, -1};
volatile std::sig_atomic_t EndNowRequested = 0;

void EndAsByCtrlC(int) {
  ::signal(SIGINT, SIG_DFL);
  ::raise(SIGINT);
}

void ReportUnsavedThenEnd() {
  char byte = 0;
  ssize_t got = 0;
  while ((got = ::read(EndNowPipe[0], &byte, 1)) < 0 && errno == EINTR) {
  }
  if (got != 1) return;
  // Saves what it can without waiting and prints one line for each file it cannot.
  FlushPrivateProfiles(std::chrono::milliseconds(0));
  EndAsByCtrlC(SIGINT);
}

void OnSignal(int signal) {
  const int savedErrno = errno;
  if (signal == SIGINT && EndRequested) {
    const char byte = 1;
    if (EndNowRequested || EndNowPipe[1] < 0 || ::write(EndNowPipe[1], &byte, 1) != 1) {
      EndAsByCtrlC(SIGINT);
    } else {
      EndNowRequested = 1;
      ::signal(SIGALRM, EndAsByCtrlC);
      ::alarm(1);
    }
    errno = savedErrno;
    return;
  }
  EndRequested = 1;
  const char byte = char(signal);
  // Nothing to do when the pipe is full: a byte already waits to be read.
  [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
  errno = savedErrno;
}

void CatchEndingSignals() {
  if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  if (::pipe2(EndNowPipe, O_CLOEXEC) == 0) {
    try {
      std::thread(ReportUnsavedThenEnd).detach();
    } catch (const std::system_error&) {
      ::close(EndNowPipe[0]);
      ::close(EndNowPipe[1]);
      EndNowPipe[0] = EndNowPipe[1] = -1;
    }
  }
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

// Whatever the player left open is cancelled, as by Escape: a question (the command that
// asked gives up, so a deal in progress stays as it was), a dialog, a menu. Each returns
// from its own event loop in its own time.
void EndOpenDialogs() {
  for (int tries = 0; tries < 50; ++tries) {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->close();
    } else {
      break;
    }
  }
}

// Closes the main window as Quit does, which closes the game windows: they count a deal in
// progress and store their places.
bool WindowsClosed = false;

void CloseAsQuitDoes() {
  WindowsClosed = true;
  if (PellamyForm) PellamyForm->close();
}

// The windows close from the main event loop itself, never from inside a dialog or a
// handler that waits for one: closing releases the game windows, and a handler still
// running on one of them must return first. Until then, whatever opens meanwhile is
// ended too. Should something never return, every event loop is left after a while and
// main closes the windows.
void CloseWhenOutermost() {
  static int waits = 0;
  EndOpenDialogs();
  const bool outermost =
      InMainLoop && QThread::currentThread()->loopLevel() == 1 && TPellamyApplication::Depth() == 1;
  if (!outermost && ++waits < 150) {
    QTimer::singleShot(20, CloseWhenOutermost);
    return;
  }
  if (outermost)
    CloseAsQuitDoes();
  else
    std::fputs("Pellamy!: an open dialog did not return within 3 s of the signal; closing the windows without it\n",
               stderr);
  QCoreApplication::exit(0);
}

// Then the windows close as Quit closes them. Nobody is there to answer: the questions
// asked on the way get the answer that lets the program end (a game in progress is
// resigned and counted, as with confirmations off).
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
  CloseWhenOutermost();
}

}  // namespace

int main(int argc, char** argv) {
  // A write past the file-size limit (ulimit -f) then fails with EFBIG, as on a full disk,
  // and the save gives up cleanly, instead of the signal ending the program mid-way.
  ::signal(SIGXFSZ, SIG_IGN);
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
    // A signal that came while a start-up dialog showed ended its dialogs; the windows
    // are made, and close now.
    if (!Ending) {
      InMainLoop = true;
      result = app.exec();
    }
    if (Ending && !WindowsClosed) CloseAsQuitDoes();
  } catch (const std::exception& error) {
    ShowException(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    ShowException(QString());
  }
  FlushSettingsOnce();
  return result;
}
