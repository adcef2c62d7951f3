// invoice: the program. Hands the error and settings managers to the library, opens the main
// frame on the data folder of the working folder and runs until the frame closes.
#include "app/shell/frame.h"
#include "app/shell/procedures.h"
#include "app/shell/reportcommand.h"
#include "app/setup/resetpassword.h"
#include "framework/errorclass.h"
#include "framework/iniclass.h"
#include "framework/qtpresenter.h"
#include "framework/reportslib.h"
#include "tagging/tags.h"
#include "tagging/taguser.h"

#include <QApplication>

#include <iostream>

int main(int argc, char **argv)
{
    if (app::WantsPasswordReset(argc, argv))
        return app::ResetPassword(std::cin, std::cout);
    if (app::WantsReportCommand(argc, argv))
        return app::ReportCommandMain(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyquill"));

    fw::ErrorClass errors;
    errors.Init();
    fw::QtMessagePresenter presenter;
    errors.setPresenter(&presenter);
    fw::INIClass settings;
    settings.Init("Invoice.ini");
    REPORTS::INIT(&errors, &settings);
    app::registerProgramProcedures();
    ST::RegisterStationTagUsr();

    int status = 1;
    {
        app::AMain frame;
        if (frame.Init()) {
            frame.show();
            status = QApplication::exec();
        }
        frame.Kill();
    }
    REPORTS::KILL();
    ST::ShutDownTag_PtrM();
    ST::ShutDownTag_PosM();
    errors.Kill();
    return status;
}
