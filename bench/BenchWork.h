// The benchmarks' work folder: generated photos, a program folder of their own, the results.
#pragma once

#include "BenchPictures.h"
#include "FaceSheet.h"

#include <QString>
#include <optional>

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
    QString root() const { return m_root; }
    // A program folder of its own holding a game of `series` series, whose cards show the 32
    // photos of BenchPictures::game(32) in turn; the photos are written when missing.
    QString gameProgram(int series) const;
    // Saves the series `name` in the program folder's series folder, its four cards showing four
    // different photos of `megapixels` (24 or 48), which are written when missing.
    bool saveSeries(const QString& name, int megapixels) const;
    // A sheet of fronts with the kept pictures of four different 24 MP photos and four names per
    // card; nothing when a photo cannot be prepared.
    std::optional<FaceSheet> frontSheet(const QString& seriesName) const;

private:
    QString m_root;
    QString m_programFiles;
};
