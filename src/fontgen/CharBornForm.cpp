#include "fontgen/CharBornForm.h"

#include "fontgen/CharBornFormControls.h"
#include "app/Widgets.h"

namespace C = CharBornFormControls;

QWidget* NewCharBornForm(Ambrelin&) { return NewWindow(C::CharBornForm); }
