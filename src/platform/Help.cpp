#include "platform/Help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

#include "platform/Paths.h"

namespace Help {
namespace {

// The help window: the page with readable margins, under a bar with Back and Forward
// (also Alt+Left and Alt+Right, as in a web browser).
class THelpBrowser : public QTextBrowser {
public:
  THelpBrowser() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pellamy! Help"));
    setOpenExternalLinks(true);
    FBar = new QWidget(this);
    auto* layout = new QHBoxLayout(FBar);
    layout->setContentsMargins(6, 3, 6, 3);
    FBack = Button(QStringLiteral("Back"), Qt::LeftArrow, QKeySequence::Back);
    FForward = Button(QStringLiteral("Forward"), Qt::RightArrow, QKeySequence::Forward);
    layout->addWidget(FBack);
    layout->addWidget(FForward);
    layout->addStretch();
    connect(FBack, &QToolButton::clicked, this, &QTextBrowser::backward);
    connect(FForward, &QToolButton::clicked, this, &QTextBrowser::forward);
    connect(this, &QTextBrowser::backwardAvailable, FBack, &QWidget::setEnabled);
    connect(this, &QTextBrowser::forwardAvailable, FForward, &QWidget::setEnabled);
    // Every page loaded replaces the document, and its margin with it.
    connect(this, &QTextBrowser::sourceChanged, this, [this] { document()->setDocumentMargin(PageMargin); });
    setViewportMargins(0, FBar->sizeHint().height(), 0, 0);
    document()->setDocumentMargin(PageMargin);
    resize(640, 520);
  }

  QToolButton* FBack;
  QToolButton* FForward;

protected:
  void resizeEvent(QResizeEvent* event) override {
    QTextBrowser::resizeEvent(event);
    const QRect inside = contentsRect();
    FBar->setGeometry(inside.left(), inside.top(), inside.width(), FBar->sizeHint().height());
  }

private:
  static constexpr int PageMargin = 16;

  QToolButton* Button(const QString& text, Qt::ArrowType arrow, QKeySequence::StandardKey key) {
    auto* button = new QToolButton(FBar);
    button->setText(text);
    button->setArrowType(arrow);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setEnabled(false);
    button->setFocusPolicy(Qt::NoFocus);
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!keys.isEmpty()) button->setToolTip(text + QStringLiteral(" (") + keys.first().toString(QKeySequence::NativeText) + ')');
    return button;
  }

  QWidget* FBar;
};

QPointer<THelpBrowser> HelpWindow;

THelpBrowser* EnsureWindow() {
  if (!HelpWindow) HelpWindow = new THelpBrowser();
  return HelpWindow;
}

// Beside the window that asked (right of it, else left of it), or over it when neither
// side has room, always inside the screen.
void PlaceBeside(QWidget* help, QWidget* asker) {
  if (!asker || asker == help) return;
  const QRect owner = asker->frameGeometry();
  QScreen* screen = asker->screen() ? asker->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QMargins frame = help->frameGeometry().size() == help->size()
                             ? QMargins()
                             : QMargins(help->geometry().left() - help->frameGeometry().left(),
                                        help->geometry().top() - help->frameGeometry().top(),
                                        help->frameGeometry().right() - help->geometry().right(),
                                        help->frameGeometry().bottom() - help->geometry().bottom());
  const QSize outer = help->size().grownBy(frame);
  QPoint at;
  if (owner.right() + 1 + outer.width() <= area.right() + 1)
    at = QPoint(owner.right() + 1, owner.top());
  else if (owner.left() - outer.width() >= area.left())
    at = QPoint(owner.left() - outer.width(), owner.top());
  else
    at = owner.center() - QPoint(outer.width() / 2, outer.height() / 2);
  at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
  at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
  help->move(at);
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

QString HtmlHelp(const QString& helpFile, int topic, QWidget* asker) {
  if (!asker) asker = QApplication::activeWindow();
  const bool opening = !HelpWindow || !HelpWindow->isVisible();
  THelpBrowser* window = EnsureWindow();
  const QString page = TopicPage(helpFile, topic);
  if (page.isEmpty()) {
    window->setHtml(QStringLiteral("<h2>Pellamy! Help</h2><p>The help pages were not found in %1.</p>")
                        .arg(helpFile.toHtmlEscaped()));
  } else {
    window->setSearchPaths({QFileInfo(page).absolutePath()});
    window->setSource(QUrl::fromLocalFile(page));
  }
  // A window already open stays where the player put it.
  if (opening) PlaceBeside(window, asker);
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
