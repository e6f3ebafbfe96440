#include "panels/HdmiForm.h"

#include "panels/HdmiFormControls.h"
#include "app/Widgets.h"

namespace C = HdmiFormControls;

QWidget* NewHdmiForm(Ambrelin&) { return NewWindow(C::HdmiForm); }
