// Reads and writes the settings file "Mosaret.ini".
#pragma once

#include "Result.h"
#include "Settings.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class SettingsFile final {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)

public:
    // Reads the eight fields in order; at the first missing or unfitting field reading stops and
    // that field and all later ones keep their defaults. Anything after the eighth field is
    // ignored.
    static Settings parse(const QByteArray& bytes);
    // Three lines ended by CR LF: reserved 1-3, reserved 4-6, BackX and BackY.
    static QByteArray serialize(const Settings& settings);

    // Reads the file; a missing or unreadable file gives the defaults.
    static Settings load(const QString& path);
    // True when `path` is a regular file holding exactly the bytes `settings` are written as. A
    // pipe or device is not opened, and a long file is read no further than those bytes.
    static bool holds(const QString& path, const Settings& settings);
    // Writes the file whole or not at all, making its folder first when it is missing.
    static Status save(const QString& path, const Settings& settings);
};
