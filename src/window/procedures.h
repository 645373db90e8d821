#pragma once

#include "main_form.h"

#include <QString>

#include <functional>
#include <map>

// The one place that ties names to code: the procedure behind each dispatch
// list, and the click procedure behind each command button.
std::map<ProcedureId, MainForm::Procedure> pageProcedures();
std::map<QString, std::function<void(MainForm&)>> buttonProcedures();
