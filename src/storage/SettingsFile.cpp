// stub: replaced by the storage implementation
#include "SettingsFile.h"
Settings SettingsFile::parse(const QByteArray&) { return {}; }
QByteArray SettingsFile::serialize(const Settings&) { return "0,0,0\r\n0,0,0\r\n1680,2400\r\n"; }
Settings SettingsFile::load(const QString&) { return {}; }
Status SettingsFile::save(const QString&, const Settings&) { return {}; }
