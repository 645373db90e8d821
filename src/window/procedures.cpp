#include "procedures.h"

#include "generators.h"

std::map<ProcedureId, MainForm::Procedure> pageProcedures()
{
    return {
        {ProcedureId::myframe0, myframe0},
    };
}

std::map<QString, std::function<void(MainForm&)>> buttonProcedures()
{
    return {
        {QStringLiteral("Command1"), &MainForm::Command1_Click},
        {QStringLiteral("Command2"), &MainForm::Command2_Click},
    };
}
