#include "platform/Prompts.h"

#include <QApplication>
#include <QMessageBox>
#include <vector>

namespace Prompts {
namespace {
TAnswerer& Answerer() {
  static TAnswerer answerer;
  return answerer;
}

QMessageBox::Icon ToQt(TIcon icon) {
  switch (icon) {
    case TIcon::Information: return QMessageBox::Information;
    case TIcon::Warning: return QMessageBox::Warning;
    case TIcon::Error: return QMessageBox::Critical;
    case TIcon::Question: return QMessageBox::Question;
    case TIcon::None: break;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

void SetAnswerer(TAnswerer answerer) { Answerer() = std::move(answerer); }
void ClearAnswerer() { Answerer() = nullptr; }

int MessageBox(QWidget* parent, const QString& text, const QString& caption, TButtons buttons,
               TIcon icon) {
  if (Answerer()) return Answerer()(TPrompt{text, caption, buttons, icon});

  QMessageBox box(ToQt(icon), caption.isEmpty() ? QApplication::applicationName() : caption, text,
                  QMessageBox::NoButton, parent);
  struct Choice { QMessageBox::StandardButton Button; int Result; };
  std::vector<Choice> choices;
  switch (buttons) {
    case TButtons::Ok: choices = {{QMessageBox::Ok, IDOK}}; break;
    case TButtons::OkCancel: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case TButtons::YesNo: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case TButtons::YesNoCancel:
      choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
      break;
    case TButtons::RetryCancel: choices = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
  }
  for (const Choice& c : choices) box.addButton(c.Button);
  box.setDefaultButton(choices.front().Button);
  const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const Choice& c : choices)
    if (c.Button == pressed) return c.Result;
  // Escape or the close box on a box without Cancel.
  return buttons == TButtons::YesNo ? IDNO : (buttons == TButtons::Ok ? IDOK : IDCANCEL);
}

}  // namespace Prompts
