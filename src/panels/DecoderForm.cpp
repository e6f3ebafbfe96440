#include "panels/DecoderForm.h"

#include "panels/DecoderFormControls.h"
#include "app/Widgets.h"

namespace C = DecoderFormControls;

QWidget* NewDecoderForm(Ambrelin&) { return NewWindow(C::DecoderForm); }
