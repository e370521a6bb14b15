#pragma once
// The About box: version, credits, the web site and support address as links, and the
// jester dancing every 300 ms. A new box is built for every showing and freed on close.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "shell/JesterAnimation.h"
#include "widgets/wkLabel.h"

class TInfoBox : public QDialog {
  Q_OBJECT
public:
  explicit TInfoBox(QWidget* owner = nullptr);
  ~TInfoBox() override;

  static const QString WebSite;
  static const QString SupportAddress;

  QLineEdit* Memo1;
  QFrame* Panel1;
  QLabel* JesterImage;
  QLabel* Label1;
  QLabel* Label2;
  TwkLabel* urlLabel;
  QLabel* Label3;
  TwkLabel* commentLabel;
  QLabel* Label4;
  TJesterAnimation* Jester;

  void urlLabelClick();
  void commentLabelClick();
  void OKButtonClick() { close(); }

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

// The open About box, or null.
extern TInfoBox* InfoBox;
// The About box's frame counter, kept for the whole run.
extern int InfoBoxJesterFrame;
