// The values kept in the settings file: six reserved values and the position of the printed backs.
#pragma once

#include "SettingValue.h"

#include <QtGlobal>

struct Settings final {
    SettingValue reserved1 = SettingValue::number(0);
    SettingValue reserved2 = SettingValue::number(0);
    quint8 reserved3 = 0;
    SettingValue reserved4 = SettingValue::number(0);
    SettingValue reserved5 = SettingValue::number(0);
    quint8 reserved6 = 0;
    SettingValue backX = SettingValue::number(1680); // left edge of the first back, in twips
    qint32 backY = 2400;                             // top edge of the first back, in twips

    bool operator==(const Settings&) const = default;
};
