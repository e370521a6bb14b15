#pragma once
// A one-line number edit with a diagonal spin button at its edge (the game-number dialog
// carries one). Unlike a spin box it never clamps on its own unless given limits, so a
// dialog can see and refuse an out-of-range number with its own message.

#include <QLineEdit>
#include <QTimer>

#include <functional>
#include <optional>

class TExSpinEdit;

// A button split by its diagonal from the lower-left to the upper-right corner: the
// upper-left half steps up, the lower-right half steps down. Held down it repeats, first
// after 400 ms, then every 100 ms.
class TExSpinButton : public QWidget {
  Q_OBJECT
public:
  enum TSpinHalf { sbNotDown, sbTopDown, sbBottomDown };

  static constexpr int InitRepeatPause = 400;
  static constexpr int RepeatPause = 100;

  explicit TExSpinButton(QWidget* parent = nullptr);

  // Which half a point in the button belongs to (the lower one on the diagonal itself).
  static TSpinHalf HalfAt(int x, int y, int width, int height);

  TSpinHalf Down() const { return FDown; }
  // Set by the edit; the button focuses it on a press.
  void SetFocusControl(QWidget* control) { FFocusControl = control; }

  std::function<void()> OnTopClick;
  std::function<void()> OnBottomClick;

  // The auto-repeat timer, for tests that drive it instead of waiting.
  const QTimer& RepeatTimer() const { return FRepeatTimer; }
  // One auto-repeat tick: steps again the half that is held.
  void TimerExpired();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void Click(TSpinHalf half);

  TSpinHalf FDown = sbNotDown;
  QWidget* FFocusControl = nullptr;
  QTimer FRepeatTimer;
};

class TExSpinEdit : public QLineEdit {
  Q_OBJECT
public:
  enum TValueType { vtInteger, vtFloat, vtHex };

  explicit TExSpinEdit(QWidget* parent = nullptr);

  // The value the text stands for; nullopt when the text does not read as a number of
  // the value type (empty, a lone sign, letters, or beyond 32 bits for integer and hex
  // texts). Callers treat that as out of any range.
  std::optional<double> Value() const;
  // Clamps to the limits when MinValue < MaxValue, then writes the text: integer and hex
  // round halves to even; a float shows Decimal decimals. Non-finite values are ignored.
  void SetValue(double value);
  // Value truncated toward zero; nullopt as for Value.
  std::optional<qint64> AsInteger() const;
  void SetAsInteger(qint64 value) { SetValue(static_cast<double>(value)); }

  TValueType ValueType() const { return FValueType; }
  // Rewrites the text from the current value; integer and hex types make the increment a
  // whole number, at least 1.
  void SetValueType(TValueType type);

  double MinValue() const { return FMinValue; }
  double MaxValue() const { return FMaxValue; }
  void SetMinValue(double value) { FMinValue = value; }
  void SetMaxValue(double value) { FMaxValue = value; }
  double Increment() const { return FIncrement; }
  void SetIncrement(double value) { FIncrement = value; }
  int Decimal() const { return FDecimal; }
  void SetDecimal(int decimals) { FDecimal = qBound(0, decimals, 255); }
  bool ArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool on) { FArrowKeys = on; }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool on) { FEditorEnabled = on; }

  // Value +/- Increment (a beep when read-only or when the text is not a number); the
  // edit is flagged modified when the text changed, then OnTopClick / OnBottomClick.
  void StepUp();
  void StepDown();

  // Whether a typed character is accepted into the current text.
  bool IsValidChar(QChar ch) const;
  // Whether a whole text holds only characters of the value type (a float at most one
  // "." and one "E"); pasted and dropped texts must pass it.
  bool IsValidText(const QString& text) const;

  TExSpinButton* Button() const { return FButton; }

  std::function<void(TExSpinEdit*)> OnTopClick;
  std::function<void(TExSpinEdit*)> OnBottomClick;

  // The refusal beep; tests install a counter. Null restores the system beep.
  static void SetBeeper(std::function<void()> beeper);
  static void Beep();

  // Text conversions used by the edit.
  // Optional leading blanks, an optional sign, then decimal digits, or hexadecimal digits
  // after "$", "x", "X", "0x" or "0X"; must fit 32 bits (hex up to FFFFFFFF, read as a
  // signed 32-bit value).
  static std::optional<qint32> StrToInt(const QString& text);
  static QString FormatValue(double value, TValueType type, int decimals);

protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void Step(double delta, bool up);
  void PlaceButton();

  TExSpinButton* FButton;
  TValueType FValueType = vtInteger;
  double FMinValue = 0;
  double FMaxValue = 0;
  double FIncrement = 1;
  int FDecimal = 2;
  bool FArrowKeys = true;
  bool FEditorEnabled = true;
  bool FInputLocked = false;  // read-only only while input is handled with the editor off
};
