// Fuzzes the settings file reader and checks that a rewritten file reads back the same.
#include "FuzzCheck.h"
#include "SettingsFile.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

// A text holding a double quote cannot be written back whole: the file has no escape for it.
bool holdsQuote(const Settings& s) {
    const std::array<const SettingValue*, 5> values = {&s.reserved1, &s.reserved2, &s.reserved4,
                                                       &s.reserved5, &s.backX};
    for (const SettingValue* value : values) {
        if (value->isText() && value->toText().contains(u'"'))
            return true;
    }
    return false;
}

// What a text holding a quote becomes after one rewrite: the part before its first quote.
SettingValue cutAtQuote(const SettingValue& value) {
    if (!value.isText())
        return value;
    const QString text = value.toText();
    const qsizetype quote = text.indexOf(u'"');
    return quote < 0 ? value : SettingValue::text(text.left(quote));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Settings first = SettingsFile::parse(bytes);
    const QByteArray written = SettingsFile::serialize(first);
    const Settings second = SettingsFile::parse(written);

    if (!holdsQuote(first)) {
        fuzzRequire(second == first, "a rewritten settings file reads back the same values");
    } else {
        Settings expected = first;
        expected.reserved1 = cutAtQuote(first.reserved1);
        expected.reserved2 = cutAtQuote(first.reserved2);
        expected.reserved4 = cutAtQuote(first.reserved4);
        expected.reserved5 = cutAtQuote(first.reserved5);
        expected.backX = cutAtQuote(first.backX);
        fuzzRequire(second == expected, "a text with a quote keeps the part before the quote");
    }
    // After one rewrite the file is stable: writing it again changes nothing.
    const QByteArray again = SettingsFile::serialize(second);
    fuzzRequire(SettingsFile::serialize(SettingsFile::parse(again)) == again,
                "a second rewrite gives the same bytes");
    return 0;
}
