#pragma once
// "Peek": a small modeless dialog over the Forty Thieves window that shows the next card
// of the stock. Keys pressed in it act on the Forty Thieves window, so the space bar
// turns the stock from here too. It is made on first use and then reused by every
// Forty Thieves window, whatever its card size; it keeps only its position, in the
// section "FTPeekDialog" ("hFTPeekDialog" for the huge-card dialog).

#include <QDialog>

class QLabel;
class QPushButton;
class TCard;
class TFormPlacement;

class TFTPeekDlg : public QDialog {
  Q_OBJECT
public:
  explicit TFTPeekDlg(QWidget* owner = nullptr);
  ~TFTPeekDlg() override;

  QLabel* Label1 = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* OKBtn = nullptr;
  TFormPlacement* FormPlacement1 = nullptr;

  // The card shown (not owned); null shows none.
  TCard* FCard = nullptr;
  // A space bar press reached the OK button, whose click on the key's release must not
  // close the dialog.
  bool FSpaceClick = false;

  // Sets the card and shows it.
  void SetCard(TCard* card);
  void ShowCard();
  void FormShow();
  void FormKeyDown(int Key, Qt::KeyboardModifiers Shift);
  void FormKeyPress(QChar Key);
  void OKBtnClick();

protected:
  struct TPeekLayout {
    int ClientWidth, ClientHeight;
    int ImageLeft, ImageTop, ImageWidth, ImageHeight;
    int ButtonLeft, ButtonTop;
    const char* Section;
  };
  static const TPeekLayout Normal;
  TFTPeekDlg(const TPeekLayout& layout, QWidget* owner);

  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The huge-card window's dialog: the same, sized for a huge card.
class ThFTPeekDlg : public TFTPeekDlg {
  Q_OBJECT
public:
  explicit ThFTPeekDlg(QWidget* owner = nullptr);

private:
  static const TPeekLayout Huge;
};

// The one peek dialog; null until first used.
extern TFTPeekDlg* FTPeekDlg;
