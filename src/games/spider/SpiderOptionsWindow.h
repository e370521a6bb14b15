#pragma once
// "Spider Variations": the number of suits, the number of cards dealt and whether only
// runs of one suit may be moved. The choices are stored at once in the "Spider" section
// and take effect at the next new deal.

#include <QDialog>
#include <memory>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;
class TProfile;

// The three variations as stored in the "Spider" section.
struct TSpiderVariations {
  int Difficulty = 2;  // 0 Easy, 1 Medium, 2 Challenging
  int DealCount = 0;   // 0: 44 cards, 1: 54 cards
  bool SameSuitBuilds = false;
};
// Reads them through profile (its section); absent or unusable values give the defaults.
TSpiderVariations ReadSpiderVariations(TProfile& profile);

class TSpiderOptionsForm : public QDialog {
  Q_OBJECT
public:
  explicit TSpiderOptionsForm(QWidget* owner = nullptr);
  ~TSpiderOptionsForm() override;

  // The controls from "Difficulty", "DealCount" and "SameSuitBuilds"; an absent or
  // unusable key gets its default, which is written back at once.
  void LoadOptions();
  // The three keys from the controls.
  void SaveOptions();

  // Selected entries of the radio groups (-1 for none).
  int DifficultyIndex() const;
  int DealIndex() const;
  void SetDifficultyIndex(int index);
  void SetDealIndex(int index);

  void DealButtonClick();
  void ApplyNextButtonClick();

  QWidget* OptionsPanel = nullptr;
  QGroupBox* DifficultyRadioGroup = nullptr;
  QRadioButton* DifficultyItems[3] = {};
  QGroupBox* DealRadioGroup = nullptr;
  QRadioButton* DealItems[2] = {};
  QCheckBox* SameSuitCheckBox = nullptr;
  QPushButton* DealButton = nullptr;
  QPushButton* ApplyNextButton = nullptr;
  QPushButton* CancelButton = nullptr;
  std::unique_ptr<TProfile> Profile1;

protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// The one variations dialog, made on first use; null until then and after a Spider
// window has released it.
extern TSpiderOptionsForm* SpiderOptionsForm;
