// Fuzzes the print dialog's field readers: copies, the X position of the backs and the Y position.
#include "FuzzCheck.h"
#include "PrintFields.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace {

void checkCopies(const QString& text) {
    const std::optional<int> copies = PrintFields::copies(text);
    if (!copies)
        return;
    fuzzRequire(*copies >= 1 && *copies <= PrintFields::kMaxCopies, "copies stay within 1..32767");
    fuzzRequire(PrintFields::copies(QString::number(*copies)) == copies,
                "the count of copies reads back from its digits");
}

// A number is finite and within single precision; the X field shows a stored number in plain
// decimal, and that text must read back as the same number.
void checkNumber(const QString& text) {
    const std::optional<double> number = PrintFields::number(text);
    fuzzRequire(PrintFields::backX(SettingValue::text(text)) == number,
                "a typed X reads like any number");
    if (!number)
        return;
    fuzzRequire(std::isfinite(*number) && std::abs(*number) <= std::numeric_limits<float>::max(),
                "a number stays within single precision");
    fuzzRequire(PrintFields::number(SettingValue::plainDecimal(*number)) == number,
                "a number shown in plain decimal reads back the same");
    fuzzRequire(PrintFields::backX(SettingValue::number(*number)) == number,
                "a stored X is used as it stands");
}

// Y is the number rounded to the nearest whole number, halves to the even one.
void checkBackY(const QString& text) {
    const std::optional<double> number = PrintFields::number(text);
    const std::optional<qint32> y = PrintFields::backY(text);
    if (!number) {
        fuzzRequire(!y, "Y is only read from a number");
        return;
    }
    if (!y) {
        fuzzRequire(std::abs(*number) > 2147483647.0, "every number within 32 bits gives a Y");
        return;
    }
    const double distance = std::abs(*number - double(*y));
    fuzzRequire(distance <= 0.5, "Y is the nearest whole number");
    fuzzRequire(distance < 0.5 || *y % 2 == 0, "a half rounds to the even neighbour");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || size > 4096)
        return 0;
    // The first byte chooses how the rest is read: UTF-8 (any character a field can hold) or
    // Latin-1 (every byte one character).
    const char* text = reinterpret_cast<const char*>(data) + 1;
    const qsizetype length = qsizetype(size - 1);
    const QString field =
        data[0] & 1 ? QString::fromUtf8(text, length) : QString::fromLatin1(text, length);
    checkCopies(field);
    checkNumber(field);
    checkBackY(field);
    return 0;
}
