#include "app/inventory/picturefiles.h"

#include <QDir>
#include <QImageReader>

namespace app {

QString picturesFolder() { return QDir::current().absoluteFilePath("pictures"); }

std::optional<std::string> pictureName(const QString &chosen, std::size_t maxLength)
{
    const QString relative = QDir(picturesFolder()).relativeFilePath(chosen);
    const QString name = relative.startsWith("..") ? QDir::cleanPath(QDir::current().absoluteFilePath(chosen)) : relative;
    std::string text = name.toUtf8().toStdString();
    if (text.size() > maxLength)
        return std::nullopt;
    return text;
}

QString picturePath(const std::string &name)
{
    return QDir(picturesFolder()).absoluteFilePath(QString::fromUtf8(name.c_str()));
}

bool readablePicture(const QString &path)
{
    QImageReader reader(path);
    return reader.canRead();
}

} // namespace app
