// The series being edited, with the rule that keeps the four cards' texts identical.
#include "SeriesModel.h"

namespace {
static_assert(kCards == kLines);
bool inRange(int number) {
    return number >= 1 && number <= kCards;
} // a card or line number
} // namespace

SeriesModel::SeriesModel(QObject* parent) : QObject(parent) {
    resetToDesign();
}

QString SeriesModel::defaultSubject() {
    return tr("Onderwerp");
}
QString SeriesModel::defaultName(int line) {
    return QStringLiteral(" %1. ").arg(line);
}
QString SeriesModel::defaultSeriesName() {
    return QStringLiteral("Default.msr");
}

QString SeriesModel::withoutLineBreaks(QString text) {
    // A CR LF pair becomes one blank, a lone CR or LF one blank each.
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QString SeriesModel::loadedName(const Series& series, int line) {
    // Writing the groups in file order through the mirrored lines would leave the last one.
    for (int card = kCards; card >= 1; --card) {
        if (!series.name(card, line).isEmpty())
            return u' ' + withoutLineBreaks(series.name(card, line));
    }
    return QStringLiteral(" ");
}

QString SeriesModel::subject() const {
    return m_series.subject;
}

QString SeriesModel::name(int card, int line) const {
    return inRange(card) && inRange(line) ? m_series.name(card, line) : QString();
}

QString SeriesModel::photoPath(int card) const {
    return inRange(card) ? m_series.photoPath(card) : QString();
}

Framing SeriesModel::framing(int card) const {
    return inRange(card) ? m_series.framing(card) : Framing{};
}

void SeriesModel::setFraming(int card, const Framing& framing) {
    const Framing clean = framing.clamped();
    if (!inRange(card) || clean == m_series.framing(card))
        return;
    m_series.framing(card) = clean;
    emit framingChanged(card);
    touch();
}

void SeriesModel::setSubject(const QString& text) {
    const QString clean = withoutLineBreaks(text);
    if (clean == m_series.subject)
        return;
    m_series.subject = clean;
    emit subjectChanged(clean);
    touch();
}

void SeriesModel::setName(int card, int line, const QString& text) {
    if (!inRange(card) || !inRange(line))
        return;
    const QString clean = withoutLineBreaks(text);
    bool changed = false;
    for (int c = 1; c <= kCards; ++c) {
        if (m_series.name(c, line) != clean) {
            m_series.name(c, line) = clean;
            changed = true;
        }
    }
    if (changed) {
        emit nameChanged(line, clean);
        touch();
    }
}

void SeriesModel::setPhotoPath(int card, const QString& path) {
    // A photo placed again from the same file counts as a change: the picture may be new.
    if (!inRange(card))
        return;
    m_series.photoPath(card) = path;
    if (m_series.framing(card) != Framing{}) {
        m_series.framing(card) = Framing{};
        emit framingChanged(card);
    }
    touch();
}

void SeriesModel::touch() {
    emit edited();
    setSaved(Saved::No);
}

void SeriesModel::setSaved(Saved saved) {
    const bool unsaved = saved == Saved::No;
    if (unsaved == m_unsaved)
        return;
    m_unsaved = unsaved;
    emit unsavedChangesChanged(unsaved);
}

Series SeriesModel::toSeries() const {
    return m_series;
}

void SeriesModel::resetToDesign() {
    setSubject(defaultSubject());
    for (int line = 1; line <= kLines; ++line)
        setName(1, line, defaultName(line));
    for (int card = 1; card <= kCards; ++card) {
        m_series.photoPath(card).clear();
        if (m_series.framing(card) != Framing{}) {
            m_series.framing(card) = Framing{};
            emit framingChanged(card);
        }
    }
    m_seriesName = defaultSeriesName();
    setSaved(Saved::Yes);
}
