#pragma once

#include "form.h"

class QWidget;

// Brings a control's widget in line with the control in the form model.
void renderControl(Form::ControlPointer control, QWidget* widget);

void setGeometryOf(QWidget* widget, const Rect& rect);
void setShown(QWidget* widget, bool visible);
