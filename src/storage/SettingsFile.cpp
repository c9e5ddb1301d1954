// Reads and writes the settings file "Mosaret.ini".
#include "SettingsFile.h"

#include "WholeFileWriter.h"
#include "Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace {

// A hand-edited settings file is tiny; a huge one is read only this far.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct RawField final {
    bool quoted = false;
    QByteArrayView content;
};

// Splits the bytes into fields: a comma or a line end (LF, or CR LF) ends a field.
class FieldReader final {
public:
    explicit FieldReader(QByteArrayView bytes) : m_bytes(bytes) {}

    // The next field, or nothing when the bytes are used up.
    std::optional<RawField> next() {
        if (m_pos >= m_bytes.size())
            return std::nullopt;
        while (m_pos < m_bytes.size() && isBlank(m_bytes[m_pos]))
            ++m_pos;
        RawField field;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '"') {
            // Quoted text runs to the next quote; what follows it up to the field's end is dropped.
            field.quoted = true;
            const qsizetype start = m_pos + 1;
            qsizetype close = m_bytes.indexOf('"', start);
            if (close < 0)
                close = m_bytes.size();
            field.content = m_bytes.sliced(start, close - start);
            m_pos = std::min(close + 1, m_bytes.size());
            fieldEnd();
        } else {
            const qsizetype start = m_pos;
            qsizetype end = fieldEnd();
            while (end > start && isBlank(m_bytes[end - 1]))
                --end;
            field.content = m_bytes.sliced(start, end - start);
        }
        if (m_pos < m_bytes.size())
            ++m_pos; // the comma or LF
        return field;
    }

private:
    // Moves to the comma or LF that ends the field; returns where its content ends (before a CR
    // LF).
    qsizetype fieldEnd() {
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && m_bytes[m_pos] != '\n')
            ++m_pos;
        const bool crLf = m_pos < m_bytes.size() && m_bytes[m_pos] == '\n' && m_pos > 0 &&
                          m_bytes[m_pos - 1] == '\r';
        return crLf ? m_pos - 1 : m_pos;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// An optional minus sign, digits, and optionally a period followed by digits.
bool looksLikeNumber(QByteArrayView text) {
    qsizetype i = text.startsWith('-') ? 1 : 0;
    const qsizetype intStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == intStart)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != '.' || i + 1 == text.size())
        return false;
    for (++i; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
    }
    return true;
}

// A whole number (optional minus sign and digits) within [min, max].
std::optional<qint64> wholeNumber(QByteArrayView text, qint64 min, qint64 max) {
    qint64 value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

bool readValue(FieldReader& reader, SettingValue& target) {
    const auto field = reader.next();
    if (!field)
        return false;
    if (field->quoted) {
        target = SettingValue::text(Windows1252::decode(field->content));
    } else if (field->content.isEmpty()) {
        target = SettingValue();
    } else {
        double number = 0;
        const auto* end = field->content.data() + field->content.size();
        const auto result =
            std::from_chars(field->content.data(), end, number, std::chars_format::fixed);
        // Digits too many for a double (out of range) stay text, so they are written back
        // unchanged.
        if (looksLikeNumber(field->content) && result.ec == std::errc() && result.ptr == end)
            target = SettingValue::number(number);
        else
            target = SettingValue::text(Windows1252::decode(field->content));
    }
    return true;
}

template <typename Int> bool readWhole(FieldReader& reader, Int& target) {
    const auto field = reader.next();
    if (!field || field->quoted)
        return false;
    const auto value = wholeNumber(field->content, std::numeric_limits<Int>::min(),
                                   std::numeric_limits<Int>::max());
    if (!value)
        return false;
    target = static_cast<Int>(*value);
    return true;
}

QByteArray valueField(const SettingValue& value) {
    switch (value.kind()) {
    case SettingValue::Kind::Number:
        return SettingValue::plainDecimal(value.toNumber()).toLatin1();
    case SettingValue::Kind::Text:
        return '"' + Windows1252::encode(value.toText()) + '"';
    case SettingValue::Kind::Empty:
        break;
    }
    return {};
}

QByteArray byteField(quint8 value) {
    return QByteArray::number(value);
}

} // namespace

Settings SettingsFile::parse(const QByteArray& bytes) {
    Settings settings;
    FieldReader reader(bytes);
    // Each read stops the chain on failure, so the fields after it keep their defaults.
    (void)(readValue(reader, settings.reserved1) && readValue(reader, settings.reserved2) &&
           readWhole(reader, settings.reserved3) && readValue(reader, settings.reserved4) &&
           readValue(reader, settings.reserved5) && readWhole(reader, settings.reserved6) &&
           readValue(reader, settings.backX) && readWhole(reader, settings.backY));
    return settings;
}

QByteArray SettingsFile::serialize(const Settings& settings) {
    QByteArray bytes;
    bytes += valueField(settings.reserved1) + ',' + valueField(settings.reserved2) + ',' +
             byteField(settings.reserved3) + "\r\n";
    bytes += valueField(settings.reserved4) + ',' + valueField(settings.reserved5) + ',' +
             byteField(settings.reserved6) + "\r\n";
    bytes += valueField(settings.backX) + ',' + QByteArray::number(settings.backY) + "\r\n";
    return bytes;
}

Settings SettingsFile::load(const QString& path) {
    // Only a regular file is read: a FIFO or device could block or never end.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Read at its own size: asking for the cap would set that much memory aside first.
    return parse(file.read(std::min(file.size(), kMaxFileBytes)));
}

bool SettingsFile::holds(const QString& path, const Settings& settings) {
    if (!QFileInfo(path).isFile())
        return false;
    const QByteArray expected = serialize(settings);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(expected.size() + 1) == expected;
}

Status SettingsFile::save(const QString& path, const Settings& settings) {
    // The user's configuration folder may not be there yet on a first start.
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WholeFileWriter::write(path, serialize(settings),
                                  tr("De instellingen zijn niet opgeslagen"));
}
