// Saves a series file and the settings file over and over, alternating two versions, until it is
// killed; the kill test checks what a kill in the middle of a save leaves on disk.
#include "SaveKillContents.h"
#include "SeriesFolder.h"
#include "SettingsFile.h"

#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folderPath = QFile::decodeName(argv[1]);
    const SeriesFolder folder(folderPath);
    const QString settingsPath = folderPath + u'/' + SaveKill::kSettingsName;
    for (int round = 0;; ++round) {
        const int version = round % 2;
        const Status series = folder.save(SaveKill::kSeriesName, SaveKill::series(version));
        const Status settings = SettingsFile::save(settingsPath, SaveKill::settings(version));
        if (!series.ok() || !settings.ok()) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(series.ok() ? settings.error() : series.error()));
            return 1;
        }
        // The first save of a process is slow (the disk syncs its journal); the signal comes after
        // it, so the kills fall among the steady saves.
        if (round == 0) {
            std::printf("writing\n");
            std::fflush(stdout);
        }
    }
}
