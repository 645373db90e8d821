#pragma once

#include "main_form.h"

#include <QString>

#include <functional>
#include <map>

// The one place that ties names to code: the procedure behind each dispatch
// list, and the click procedure behind each command button.
// appPath: the program folder, where the viewers find the library pages.
std::map<ProcedureId, MainForm::Procedure> pageProcedures(const QString& appPath);
std::map<QString, std::function<void(MainForm&)>> buttonProcedures();
