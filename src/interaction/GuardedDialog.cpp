// A dialog that cannot be closed while its work runs: Escape, Exit and the title bar wait for it.
#include "GuardedDialog.h"

#include <QCloseEvent>

void GuardedDialog::reject() {
    if (!m_working)
        QDialog::reject();
}

void GuardedDialog::closeEvent(QCloseEvent* event) {
    if (m_working)
        event->ignore();
    else
        QDialog::closeEvent(event);
}
