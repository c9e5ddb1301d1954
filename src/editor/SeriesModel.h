// The series being edited, with the rule that keeps the four cards' texts identical.
#pragma once

#include "Series.h"

#include <QObject>

// Holds the subject, the sixteen name lines, the photo paths and the current file name.
// Every write is mirrored: the subject is one text on all four cards and name line j is one
// text on every card. Line breaks in a written text become blanks. Writing a text a box already
// holds changes nothing and emits nothing. Card and line numbers outside 1..4 are ignored.
// Any change of a text, a photo path or a framing leaves the series with unsaved changes until it
// is saved, loaded or reset to the design.
class SeriesModel final : public QObject {
    Q_OBJECT
public:
    explicit SeriesModel(QObject* parent = nullptr);

    static QString defaultSubject();      // "Onderwerp"
    static QString defaultName(int line); // " 1. " .. " 4. "
    static QString defaultSeriesName();   // "Default.msr"
    static QString withoutLineBreaks(QString text);
    // What name line `line` shows once `series` is read from its file: a blank, then the text of
    // the last card group in the file that holds one (an empty value in a later group does not
    // wipe an earlier one, so a file cut short keeps the names it still has).
    static QString loadedName(const Series& series, int line);

    QString subject() const;
    QString name(int card, int line) const;
    QString photoPath(int card) const;
    Framing framing(int card) const;
    QString seriesName() const { return m_seriesName; }

    // Sets the subject on all four cards.
    void setSubject(const QString& text);
    // Sets name line `line` on all four cards (the card that was typed on is only the source).
    void setName(int card, int line, const QString& text);
    // Sets the card's photo path; its framing goes back to the default.
    void setPhotoPath(int card, const QString& path);
    // Sets which part of the card's photo its boxes show (brought into range).
    void setFraming(int card, const Framing& framing);
    void setSeriesName(const QString& name) { m_seriesName = name; }

    // True when the series changed since it was last saved, loaded or reset to the design.
    bool hasUnsavedChanges() const { return m_unsaved; }
    // The series is as it was saved or loaded (or, with `Saved::No`, holds work not yet saved).
    enum class Saved { Yes, No };
    void setSaved(Saved saved);

    // The texts as the boxes hold them (names keep their leading blanks).
    Series toSeries() const;
    // Puts the design texts back: "Onderwerp", " 1. " .. " 4. ", no photo paths, "Default.msr".
    void resetToDesign();

signals:
    void subjectChanged(const QString& text);
    void nameChanged(int line, const QString& text);
    void framingChanged(int card);
    // A text or photo path changed (any edit, whether or not the series was saved before).
    void edited();
    void unsavedChangesChanged(bool unsaved);

private:
    void touch();

    Series m_series;
    QString m_seriesName;
    bool m_unsaved = false;
};
