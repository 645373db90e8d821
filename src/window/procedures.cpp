#include "procedures.h"

#include "generators.h"
#include "page_commands.h"
#include "viewers.h"

std::map<ProcedureId, MainForm::Procedure> pageProcedures(const QString& appPath)
{
    auto inFolder = [appPath](void (*viewer)(MainForm&, const QString&)) {
        return [appPath, viewer](MainForm& form) { viewer(form, appPath); };
    };
    return {
        {ProcedureId::myframe0, myframe0},
        {ProcedureId::myframe1, myframe1},
        {ProcedureId::myframe14, myframe14},
        {ProcedureId::myframe15, myframe15},
        {ProcedureId::myframe16, myframe16},
        {ProcedureId::myframe17, myframe17},
        {ProcedureId::myframe18, myframe18},
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
        {QStringLiteral("Command3"), Command3_Click},
        {QStringLiteral("Command4"), Command4_Click},
        {QStringLiteral("Command5"), Command5_Click},
        {QStringLiteral("Command6"), Command6_Click},
        {QStringLiteral("Command7"), Command7_Click},
        {QStringLiteral("Command8"), Command8_Click},
        {QStringLiteral("Command9"), Command9_Click},
        {QStringLiteral("Command10"), Command10_Click},
        {QStringLiteral("Command11"), Command11_Click},
        {QStringLiteral("Command12"), Command12_Click},
        {QStringLiteral("Command13"), Command13_Click},
        {QStringLiteral("Command14"), Command14_Click},
        {QStringLiteral("Command15"), Command15_Click},
        {QStringLiteral("Command16"), Command16_Click},
        {QStringLiteral("Command17"), Command17_Click},
        {QStringLiteral("Command18"), Command18_Click},
    };
}
