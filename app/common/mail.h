// Writing an e-mail to a customer or a vendor: the desktop's mail program opens on a mailto:
// address; when there is none the user is told.
#pragma once

#include <functional>
#include <string>

class QUrl;

namespace app {

// How the desktop is handed an address; replaceable so that tests can see it.
using UrlOpener = std::function<bool(const QUrl &)>;
UrlOpener desktopOpener();

// Opens a mail to address (nothing for a blank one).
void sendMail(const std::string &address, const UrlOpener &openUrl);

} // namespace app
