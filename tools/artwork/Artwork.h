// One generated picture: where it goes in the source tree, how it is stored and what it shows.
#pragma once

#include <QImage>
#include <QString>

namespace artwork {

enum class FileType { Png, Jpeg };

struct Artwork {
    QString relativePath; // below the source folder, for example "resources/pictures/icon.png"
    QSize size;           // the size the program relies on
    FileType type = FileType::Png;
    QImage image;
};

} // namespace artwork
