// The report's rows for composing a game: the check of 500 series and the game dialog.
#include "ReportTable.h"

void ReportTable::addGameDialog() {
    const QString none = QStringLiteral("-");
    const auto ms = [&none](std::optional<double> value) {
        return value ? QStringLiteral("%1 ms").arg(*value, 0, 'f', 1) : none;
    };
    const auto within = [](std::optional<double> value, double goal) {
        return value ? std::optional<bool>(*value <= goal) : std::nullopt;
    };
    const std::optional<double> check = m_results.milliseconds("game_check/500");
    add({QStringLiteral("Check of a game of 500 series (files read, photos looked up)"), ms(check),
         none, none, QStringLiteral("< 1000 ms"), within(check, 999.9)});
    const std::optional<double> paint = m_results.milliseconds("game_dialog/50x24mp");
    add({QStringLiteral("Game dialog with 50 series of four 24 MP photos, open to first paint"),
         ms(paint), none, none, QStringLiteral("<= 300 ms"), within(paint, 300)});
    const std::optional<double> stall =
        m_results.counter("game_dialog/50x24mp", QStringLiteral("longest_stall_ms"));
    add({QStringLiteral(
             "Longest time the window is busy while the dialog's 200 small photos arrive"),
         ms(stall), none, none, QStringLiteral("<= 50 ms"), within(stall, 50)});
}
