#include "app/common/mail.h"

#include "app/common/maintenancemessages.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

#include <QDesktopServices>
#include <QUrl>

namespace app {

UrlOpener desktopOpener()
{
    return [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

void sendMail(const std::string &address, const UrlOpener &openUrl)
{
    const QString trimmed = QString::fromUtf8(address).trimmed();
    if (trimmed.isEmpty())
        return;
    QUrl url;
    url.setScheme("mailto");
    url.setPath(trimmed); // QUrl encodes what an address may not hold as it stands
    if (!openUrl(url))
        REPORTS::Errors().ThrowMessage(MaintMsg::NoMailProgram, trimmed.toStdString());
}

} // namespace app
