// The report's row for the redraw of a card while its photo's framing is dragged.
#include "ReportTable.h"

void ReportTable::addFraming() {
    const std::optional<double> move = m_results.milliseconds("frame_drag/24mp-exif6");
    const std::optional<double> plain = m_results.milliseconds("frame_plain/24mp-exif6");
    const QString none = QStringLiteral("-");
    const auto ms = [&none](std::optional<double> value) {
        return value ? QStringLiteral("%1 ms").arg(*value, 0, 'f', 2) : none;
    };
    add({QStringLiteral("Redraw of the card at each mouse move while a 24 MP photo's framing is "
                        "dragged"),
         ms(move), QStringLiteral("the prepared picture drawn once: %1").arg(ms(plain)),
         move && plain && *plain > 0 ? QStringLiteral("%1x").arg(*move / *plain, 0, 'f', 2) : none,
         QStringLiteral("<= 8 ms"), move ? std::optional<bool>(*move <= 8) : std::nullopt});
}
