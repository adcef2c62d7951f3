#include "app/shell/desktop.h"

#include "app/shell/mainmessages.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace app {

namespace {

const QStringList Calculators = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};

std::string utf8(const QString &text) { return text.toUtf8().toStdString(); }

} // namespace

DesktopHooks &desktopHooks()
{
    static DesktopHooks hooks{
        [](const QString &program) { return QProcess::startDetached(program, {}); },
        [](const QString &address) { return QDesktopServices::openUrl(QUrl(address)); },
    };
    return hooks;
}

QString findCalculator()
{
    for (const QString &name : Calculators)
        if (const QString path = QStandardPaths::findExecutable(name); !path.isEmpty())
            return path;
    return {};
}

bool startCalculator()
{
    const QString calculator = findCalculator();
    if (calculator.isEmpty() || !desktopHooks().startDetached(calculator)) {
        REPORTS::Errors().ThrowMessage(MainMsg::NoCalculator, utf8(Calculators.join(QStringLiteral(", "))));
        return false;
    }
    return true;
}

bool openAddress(const QString &address)
{
    if (!desktopHooks().open(address)) {
        REPORTS::Errors().ThrowMessage(MainMsg::OpenFailed, utf8(address));
        return false;
    }
    return true;
}

QString convertProgramPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../convert/convert");
}

bool startConvertProgram()
{
    // The build puts convert in its own folder beside the program's; an installed copy sits next to it.
    QString program = QFileInfo(convertProgramPath()).canonicalFilePath();
    if (program.isEmpty())
        program = QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/convert")).canonicalFilePath();
    if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
        REPORTS::Errors().ThrowMessage(MainMsg::NoConvertProgram,
                                       "it is not installed beside this program yet.");
        return false;
    }
    if (!desktopHooks().startDetached(program)) {
        REPORTS::Errors().ThrowMessage(MainMsg::NoConvertProgram, utf8(program));
        return false;
    }
    return true;
}

} // namespace app
