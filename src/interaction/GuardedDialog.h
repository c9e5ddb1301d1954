// A dialog that cannot be closed while its work runs: Escape, Exit and the title bar wait for it.
#pragma once

#include <QDialog>

class GuardedDialog : public QDialog {
    Q_OBJECT
public:
    explicit GuardedDialog(QWidget* parent = nullptr) : QDialog(parent) {}

    // True while the dialog's work runs.
    bool isWorking() const { return m_working; }

public slots:
    void reject() override;

protected:
    void setWorking(bool working) { m_working = working; }
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_working = false;
};
