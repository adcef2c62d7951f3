#include "reports/papersize.h"

#include <QByteArray>

#include <utility>

namespace rpt {

QPageSize pageSizeOf(std::string_view setting)
{
    static const std::pair<std::string_view, QPageSize::PageSizeId> sizes[] = {
        {"LETTER", QPageSize::Letter},     {"LEGAL", QPageSize::Legal},         {"A4", QPageSize::A4},
        {"A4SMALL", QPageSize::A4},        {"A5", QPageSize::A5},               {"ENV_10", QPageSize::Comm10E},
        {"ENV_11", QPageSize::Envelope11}, {"ENV_DL", QPageSize::EnvelopeDL},   {"ENV_C5", QPageSize::EnvelopeC5},
        {"ENV_MONARCH", QPageSize::EnvelopeMonarch},
    };
    QByteArray name = QByteArray(setting.data(), qsizetype(setting.size())).trimmed().toUpper();
    if (name.startsWith("PAPER:"))
        name = name.mid(6);
    for (const auto &[key, id] : sizes)
        if (name == QByteArray(key.data(), qsizetype(key.size())))
            return QPageSize(id);
    return QPageSize(QPageSize::Letter);
}

double reportUnitsPer(QPageSize::Unit unit)
{
    switch (unit) {
    case QPageSize::Millimeter:
        return 1000 / 25.4;
    case QPageSize::Inch:
        return 1000;
    case QPageSize::Pica:
        return 1000 / 6.0;
    case QPageSize::Didot:
        return 1000 / 67.55;
    case QPageSize::Cicero:
        return 1000 / 5.63;
    case QPageSize::Point:
        break;
    }
    return 1000 / 72.0;
}

} // namespace rpt
