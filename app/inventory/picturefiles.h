// Item pictures: kept in the pictures folder beside the data folder, named in the record
// relative to that folder when they lie inside it, so every station sharing the folder finds them.
#pragma once

#include <QString>

#include <optional>
#include <string>

namespace app {

QString picturesFolder();
// The name to keep for a chosen file; nullopt when even that is longer than maxLength.
std::optional<std::string> pictureName(const QString &chosen, std::size_t maxLength);
// The file a kept name stands for.
QString picturePath(const std::string &name);
// Whether the file can be read as a picture.
bool readablePicture(const QString &path);

} // namespace app
