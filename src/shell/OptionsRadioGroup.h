#pragma once
// A framed group of radio buttons chosen by index, laid out in columns, as the options
// dialog's size, background-type and gradient-direction choices are.

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <functional>
#include <vector>

class TOptionsRadioGroup : public QGroupBox {
public:
  TOptionsRadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
      : QGroupBox(caption, parent), FGroup(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
      auto* button = new QRadioButton(items[i], this);
      FGroup->addButton(button, i);
      FButtons.push_back(button);
      // Items run down the first column, then the next, as in a radio group.
      grid->addWidget(button, i % rows, i / rows);
    }
    QObject::connect(FGroup, &QButtonGroup::idClicked, this, [this](int) {
      if (OnClick) OnClick();
    });
  }

  // -1 when no item is selected.
  int ItemIndex() const { return FGroup->checkedId(); }
  void SetItemIndex(int index) {
    if (index >= 0 && index < int(FButtons.size())) FButtons[index]->setChecked(true);
  }
  QRadioButton* Button(int index) const { return FButtons.at(index); }
  int Count() const { return int(FButtons.size()); }

  // The user chose an item.
  std::function<void()> OnClick;

private:
  QButtonGroup* FGroup;
  std::vector<QRadioButton*> FButtons;
};
