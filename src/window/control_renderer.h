#pragma once

#include "form.h"
#include "twips.h"

class QWidget;

// Brings a control's widget in line with the control in the form model, drawn at this zoom.
void renderControl(Form::ControlPointer control, QWidget* widget, Zoom zoom);

void setGeometryOf(QWidget* widget, const Rect& rect, Zoom zoom);
void setShown(QWidget* widget, bool visible);
