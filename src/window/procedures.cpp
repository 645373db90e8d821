#include "procedures.h"

#include "generators.h"
#include "viewers.h"

std::map<ProcedureId, MainForm::Procedure> pageProcedures(const QString& appPath)
{
    auto inFolder = [appPath](void (*viewer)(MainForm&, const QString&)) {
        return [appPath, viewer](MainForm& form) { viewer(form, appPath); };
    };
    return {
        {ProcedureId::myframe0, myframe0},
        {ProcedureId::myframe19, myframe19},
        {ProcedureId::myframe110, inFolder(myframe110)},
        {ProcedureId::myframe111, inFolder(myframe111)},
        {ProcedureId::myframe112, inFolder(myframe112)},
        {ProcedureId::myframe113, inFolder(myframe113)},
        {ProcedureId::myframe114, inFolder(myframe114)},
    };
}

std::map<QString, std::function<void(MainForm&)>> buttonProcedures()
{
    return {
        {QStringLiteral("Command1"), &MainForm::Command1_Click},
        {QStringLiteral("Command2"), &MainForm::Command2_Click},
    };
}
