// The main window started on a program folder inside a test folder, with scripted prompts.
#pragma once

#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "TestFolder.h"

#include <QTest>

struct TestWindow {
    TestFolder dir;
    ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> window;

    bool start(const QString& program = {}) {
        window = std::make_unique<MainWindow>(ProgramFolder(dir.path(program)), prompts);
        window->show();
        return QTest::qWaitForWindowExposed(window.get()) && child("Frame2")->isVisible();
    }
    template <typename T = QWidget> T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    void click(const QString& name) const { QTest::mouseClick(child(name), Qt::LeftButton); }
};
