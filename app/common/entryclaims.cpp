#include "app/common/entryclaims.h"

#include "dictionary/schema.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <map>
#include <memory>
#include <utility>

namespace app {

namespace {

QString claimsFolder() { return QFileInfo(QString::fromUtf8(dict::DatabasePath)).dir().filePath(QStringLiteral("entering")); }

QString claimPath(Entry kind, dict::LONG number)
{
    const char *file = kind == Entry::Invoice ? "INVOICE" : kind == Entry::CreditMemo ? "CREDIT" : "PURORDER";
    return QDir(claimsFolder()).filePath(QStringLiteral("%1-%2.lock").arg(QLatin1String(file)).arg(number));
}

// The claims this program holds.
std::map<std::pair<Entry, dict::LONG>, std::unique_ptr<QLockFile>> &claims()
{
    static std::map<std::pair<Entry, dict::LONG>, std::unique_ptr<QLockFile>> held;
    return held;
}

} // namespace

bool beingEntered(const dict::INVOICERecord &invoice) { return invoice.CUSTOMERNO.blank(); }
bool beingEntered(const dict::CREDITRecord &memo) { return memo.CUSTOMERNO.blank(); }
bool beingEntered(const dict::PURORDERRecord &order) { return order.ACCOUNTNO.blank(); }

bool claimEntry(Entry kind, dict::LONG number)
{
    if (holdsClaim(kind, number))
        return true;
    QDir().mkpath(claimsFolder());
    auto claim = std::make_unique<QLockFile>(claimPath(kind, number));
    claim->setStaleLockTime(0); // held as long as the document is entered; only a dead program's is stale
    if (!claim->tryLock(0))
        return false;
    claims()[{kind, number}] = std::move(claim);
    return true;
}

void releaseEntry(Entry kind, dict::LONG number) { claims().erase({kind, number}); }

bool hasClaim(Entry kind, dict::LONG number) { return QFileInfo::exists(claimPath(kind, number)); }

bool holdsClaim(Entry kind, dict::LONG number) { return claims().contains({kind, number}); }

} // namespace app
