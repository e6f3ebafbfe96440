#include "app/InfoForm.h"

#include <QVBoxLayout>

#include "app/Desktop.h"
#include "app/InfoFormControls.h"
#include "app/Widgets.h"

QWidget* NewInfoForm(Ambrelin& app) {
  QWidget* window = NewWindow(InfoFormControls::InfoForm);
  auto* column = new QVBoxLayout(window);
  QListWidget* list = NewList(InfoFormControls::InfoListOutput);
  OnDoubleClick(list, [&app] { InfoList_DblClick(app); });
  column->addWidget(list);
  return window;
}
