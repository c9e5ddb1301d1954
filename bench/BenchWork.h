// The benchmarks' work folder: generated photos, a program folder of their own, the results.
#pragma once

#include "BenchPictures.h"

#include <QString>

class BenchWork final {
public:
    // `root` is created when missing; the program folder gets the help page and card designs of
    // the built program in `programFiles`.
    BenchWork(QString root, const QString& programFiles);

    // The path of a generated photo, written on first use.
    QString photo(const BenchPictures::Photo& photo) const;
    // Where that photo is kept, without writing it.
    QString photoPath(const BenchPictures::Photo& photo) const;
    QString photo(const QString& name) const { return photo(BenchPictures::byName(name)); }
    QString programFolder() const { return m_root + QStringLiteral("/program"); }

private:
    QString m_root;
};
