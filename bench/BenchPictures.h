// Deterministic photo-like JPEG files of phone-camera sizes, written once into the work folder.
#pragma once

#include <QList>
#include <QSize>
#include <QString>

class BenchPictures final {
public:
    struct Photo {
        QString name;        // file name in the work folder, e.g. "photo-24mp.jpg"
        QSize stored;        // size as stored in the file
        int orientation = 1; // Exif orientation written into the file (1 = none)
        int variant = 0;     // another picture of the same kind, for a series of four
    };

    // 12, 24, 48 and 108 megapixels upright, and 24 megapixels stored on its side with
    // orientation 6, as a phone held upright writes it.
    static QList<Photo> standard();
    static Photo byName(const QString& name);
    // Four different photos of `megapixels` (24 or 48), for a series.
    static QList<Photo> series(int megapixels);
    // `count` different 24-megapixel photos, for the series of a game.
    static QList<Photo> game(int count);

    // The path of `photo` in `folder`, writing it first when it is not there yet. Every run
    // writes the same bytes: smooth shapes and gradients with fine noise, quality 90, 4:2:0.
    static QString ensure(const QString& folder, const Photo& photo);
    // Where ensure() keeps `photo` in `folder`.
    static QString pathIn(const QString& folder, const Photo& photo);

private:
    static bool write(const QString& path, const Photo& photo);
};
