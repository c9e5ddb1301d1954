// stub
#include "PrintDialog.h"
PrintDialog::PrintDialog(Context context, QWidget* parent) : QDialog(parent), m_context(std::move(context)) {}
