// stub: replaced by the storage implementation
#include "SettingValue.h"
SettingValue SettingValue::number(double value) { SettingValue v; v.m_kind = Kind::Number; v.m_number = value; return v; }
SettingValue SettingValue::text(QString value) { SettingValue v; v.m_kind = Kind::Text; v.m_text = std::move(value); return v; }
QString SettingValue::display() const { return m_kind == Kind::Number ? QString::number(m_number) : m_text; }
