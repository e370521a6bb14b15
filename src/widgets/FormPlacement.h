#pragma once
// Remembers where a window was: when the window is shown it restores the position, size
// and state stored in one section of the settings file, and when the window is closed
// (and the close is allowed) or destroyed it stores them again.
//
// Keys of the section, in the order they are written: "FormVersion", "Flags", "ShowCmd",
// "PixelsPerInch", "MinMaxPos(WxH)", "MinMaxPos", "NormPos(WxH)", "NormPos", "Visible",
// where (WxH) is the screen size at saving time, and "ActiveControl" with fpActiveControl.
// Positions are outer window rectangles (left, top, right, bottom with right and bottom
// exclusive): the client area plus the frame the window manager really drew around it
// (none offscreen or without a window manager). Restoring puts that frame back where it
// was, so saving and restoring again changes nothing. A stored rectangle, and with none
// stored the place the window's own code gave it, is fitted to the free area of its screen.

#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

enum TPlacementOption { fpState = 0x1, fpPosition = 0x2, fpActiveControl = 0x4 };

// Optional size limits of a window, outer sizes and positions in pixels; 0 means not set.
// The tracking sizes bound the window while it is resized; the maximized size bounds the
// window while it is maximized. MaxPosLeft and MaxPosTop are kept but move nothing: the
// window manager puts a maximized window at the corner of the work area, and moving it
// from there would end its maximized state.
class TWinMinMaxInfo {
public:
  int MaxPosLeft() const { return FValues[0]; }
  int MaxPosTop() const { return FValues[1]; }
  int MaxSizeHeight() const { return FValues[2]; }
  int MaxSizeWidth() const { return FValues[3]; }
  int MaxTrackHeight() const { return FValues[4]; }
  int MaxTrackWidth() const { return FValues[5]; }
  int MinTrackHeight() const { return FValues[6]; }
  int MinTrackWidth() const { return FValues[7]; }
  void SetMaxPosLeft(int v) { Set(0, v); }
  void SetMaxPosTop(int v) { Set(1, v); }
  void SetMaxSizeHeight(int v) { Set(2, v); }
  void SetMaxSizeWidth(int v) { Set(3, v); }
  void SetMaxTrackHeight(int v) { Set(4, v); }
  void SetMaxTrackWidth(int v) { Set(5, v); }
  void SetMinTrackHeight(int v) { Set(6, v); }
  void SetMinTrackWidth(int v) { Set(7, v); }

  void Assign(const TWinMinMaxInfo& other);
  bool DefaultMinMaxInfo() const;  // every value 0

  // Fired when a value really changes (the owning placement re-applies the limits).
  std::function<void()> OnChange;

private:
  void Set(int index, int value);
  int FValues[8] = {};
};

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

  TWinMinMaxInfo& MinMaxInfo() { return FMinMaxInfo; }
  const TWinMinMaxInfo& MinMaxInfo() const { return FMinMaxInfo; }
  void SetMinMaxInfo(const TWinMinMaxInfo& value) { FMinMaxInfo.Assign(value); }

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
  // How far the maximized frame of this kind of window reaches past the screen's edge.
  int MaxPosBorder() const;
  // The frame of the window in its normal state, and the outer rectangle it has there.
  QMargins NormalFrame();
  QRect OuterNormalRect();
  void PlaceOuterRect(const QRect& outer);
  QRect FitOnScreen(qint64 left, qint64 top, qint64 width, qint64 height);
  // True when a stored rectangle was applied.
  bool ReadPlacementKeys(bool loadPosition, bool loadState);
  void FitFirstPlacement();
  void WritePlacementKeys();
  void ApplyPreventResize();
  void UpdatePlacement();
  void ApplyMinMaxInfo();
  void ApplyMaximizedSize();
  void TrackNormalRect(QEvent* event);
  void ApplyMaximizedPlacement();

  QPointer<QWidget> FForm;
  QString FIniFileName;
  QString FIniSection;
  bool FPreventResize = false;
  bool FSizeable = true;
  bool FSaved = false;
  bool FRestored = false;
  bool FDestroying = false;
  bool FHiddenOpen = false;  // hidden without a close: shown again where it was
  bool FPlacedWithoutFile = false;  // the settings file could not be read: placed by default
  QRect FPlaceWithoutFile;          // there, client area, as it was mapped: a later move is the user's
  QMargins FNormalFrame;
  bool FNormalFrameKnown = false;
  TWinMinMaxInfo FMinMaxInfo;
  QSize FOwnMinSize, FOwnMaxSize;  // the window's limits before MinMaxInfo applied
  bool FMinMaxApplied = false;
  QPoint FMaxPos{-1, -1};
  QSize FPrevMinSize;
  QSize FPrevMaxSize;
  bool FFixedByUs = false;
  bool FMaxSizeAnnounced = false;  // the window's size hint is the maximized size
  QRect FNormalSeen, FNormalBefore;  // the last two normal rectangles, client area
  QRect FRestoreRect;                // the normal rectangle of the maximized window
};

// The n-th word (1-based) of text, words separated by blanks or commas, runs of
// separators counting as one; "" when there are fewer words.
QString NthWord(const QString& text, int n);
