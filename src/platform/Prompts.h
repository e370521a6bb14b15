#pragma once
// Message boxes with the program's fixed texts. Every window asks through here, so tests
// answer prompts by installing an answerer instead of showing a modal box.

#include <QString>
#include <functional>

class QWidget;

namespace Prompts {

enum class TButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class TIcon { None, Information, Warning, Error, Question };

// Results use the Windows numbers the program's code compares with.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDRETRY = 4;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct TPrompt {
  QString Text;
  QString Caption;
  TButtons Buttons = TButtons::Ok;
  TIcon Icon = TIcon::None;
};

// Shows the box (modal) and returns the button pressed; Escape or the close box gives
// IDCANCEL where there is a Cancel button, else IDNO for Yes/No, else IDOK.
int MessageBox(QWidget* parent, const QString& text, const QString& caption,
               TButtons buttons = TButtons::Ok, TIcon icon = TIcon::None);

// Tests install an answerer: it sees each prompt and returns the result; no box is shown.
using TAnswerer = std::function<int(const TPrompt&)>;
void SetAnswerer(TAnswerer answerer);
void ClearAnswerer();

}  // namespace Prompts
