#pragma once
// Remembers where a window was: when the window is shown it restores the position, size
// and state stored in one section of the settings file, and when the window is closed
// (and the close is allowed) or destroyed it stores them again.
//
// Keys of the section, in the order they are written: "FormVersion", "Flags", "ShowCmd",
// "PixelsPerInch", "MinMaxPos(WxH)", "MinMaxPos", "NormPos(WxH)", "NormPos", "Visible",
// where (WxH) is the screen size at saving time. Positions are outer window rectangles
// (left, top, right, bottom with right and bottom exclusive); the outer size is the client
// size plus the frame and caption of platform/Metrics.h, so a stored placement reads back
// to the same client size whatever window manager drew the frame.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

enum TPlacementOption { fpState = 0x1, fpPosition = 0x2 };

class TFormPlacement : public QObject {
  Q_OBJECT
public:
  // Watches form (also its QObject parent) from now on.
  explicit TFormPlacement(QWidget* form);
  ~TFormPlacement() override;

  bool Active = true;
  int Options = fpState | fpPosition;
  int Version = 0;
  std::function<void()> OnSavePlacement;
  std::function<void()> OnRestorePlacement;

  // The settings file when none is set; the form's class name as the section.
  QString IniFileName() const;
  void SetIniFileName(const QString& value) { FIniFileName = value; }
  QString IniSection() const;
  void SetIniSection(const QString& value) { FIniSection = value; }

  // Forbids resizing and maximizing: the window keeps the size it has when shown.
  bool PreventResize() const { return FPreventResize; }
  void SetPreventResize(bool value);

  void StorePlacement();
  void LoadPlacement();

  // Other keys of the same section.
  QString ReadSectionString(const QString& key, const QString& def) const;
  void WriteSectionString(const QString& key, const QString& value);
  int ReadSectionInteger(const QString& key, int def) const;
  void WriteSectionInteger(const QString& key, int value);

  bool Saved() const { return FSaved; }
  bool Restored() const { return FRestored; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  struct TBorder {
    int Frame;    // left, right and bottom edge
    int Caption;  // title bar above the client area
    int MaxPos;   // how far the maximized frame reaches past the screen's edge
  };
  TBorder Border() const;
  QRect OuterNormalRect() const;
  void ReadPlacementKeys(bool loadPosition, bool loadState);
  void WritePlacementKeys();
  void ApplyPreventResize();
  void UpdatePlacement();
  QSize FixedOuterSize() const;

  QPointer<QWidget> FForm;
  QString FIniFileName;
  QString FIniSection;
  bool FPreventResize = false;
  bool FSizeable = true;
  bool FSaved = false;
  bool FRestored = false;
  bool FDestroying = false;
  QPoint FMaxPos{-1, -1};
  QSize FPrevMinSize;
  QSize FPrevMaxSize;
  bool FFixedByUs = false;
};

// The n-th word (1-based) of text, words separated by blanks or commas, runs of
// separators counting as one; "" when there are fewer words.
QString NthWord(const QString& text, int n);
