#include "batch/BatchPage.h"

#include <QGridLayout>

#include "app/Widgets.h"
#include "batch/Batch.h"

namespace {

void AddSlot(Ambrelin& app, const BatchSlot& slot, QGridLayout* grid, int row) {
  grid->addWidget(NewTextBox(slot.file), row, 0);
  QPushButton* open = NewButton(slot.open);
  OnClick(open, [&app, &slot] { BatchButtonOpen_Click(app, slot); });
  grid->addWidget(open, row, 1);
  grid->addWidget(NewLabel(slot.portLabel), row, 2);
  QLineEdit* port = NewTextBox(slot.port);
  port->setFixedWidth(70);
  grid->addWidget(port, row, 3);
  QPushButton* read = NewButton(slot.read);
  OnClick(read, [&app, &slot] { BatchButtonRead_Click(app, slot); });
  grid->addWidget(read, row, 4);
  QPushButton* write = NewButton(slot.write);
  OnClick(write, [&app, &slot] { BatchButtonWrite_Click(app, slot); });
  grid->addWidget(write, row, 5);
}

}  // namespace

QWidget* NewBatchPage(Ambrelin& app) {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  int row = 0;
  for (const BatchSlot& slot : BatchSlots::All) AddSlot(app, slot, grid, row++);
  auto* dumps = new QHBoxLayout;
  dumps->addWidget(NewTextArea(DesktopFormControls::BatchTxText));
  dumps->addWidget(NewTextArea(DesktopFormControls::BatchRxText));
  grid->addLayout(dumps, row, 0, 1, 6);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(0, 1);
  return page;
}
