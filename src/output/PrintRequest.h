// What the Print button hands to the print job: the dialog's fields at the moment of the click.
#pragma once

#include "DeckMode.h"
#include "FaceSheet.h"
#include "SettingValue.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>

struct PrintRequest final {
    QString copiesText; // the copies field as typed
    int position = 1;   // the selector: 1 prints fronts, 2 and up a back design
    DeckMode deckMode = DeckMode::Normal;
    std::function<FaceSheet()> fronts; // the current series; asked only for a page of fronts
    SettingValue backX = SettingValue::number(1680);
    std::optional<qint32> backY = 2400; // nothing while the Y field holds no whole number
    QString designPath;                 // the design picture of `position`, for a page of backs
    QImage cardFrame; // the blank card outline under the fronts; read from the resources when null
    // Ends a refusal's message.
    QString notDone = QCoreApplication::translate("PrintJob", "Er is niets afgedrukt.");
};
