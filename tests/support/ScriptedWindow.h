#pragma once
// Running a real dialog window with a script played against it, as a keyboard user would.
#include <QComboBox>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"

namespace razo::test {

// Runs the dialog; `script` plays against the open window, which is cancelled afterwards if the
// script left it open. Returns what RunModal returned.
inline bool RunScripted(QtDialogRunner& runner, CDialog& dialog, std::function<void(DialogWindow&)> script) {
    runner.onShow = [script](DialogWindow& window) {
        QTimer::singleShot(0, &window, [&window, script] {
            if (QTest::qWaitForWindowActive(&window))
                script(window);
            else
                qWarning("dialog window never became active");
            if (window.isVisible())
                window.reject();
        });
    };
    return runner.RunModal(dialog);
}

// A list's entries in the order it shows them.
inline QStringList Entries(const QComboBox& combo) {
    QStringList entries;
    for (int i = 0; i < combo.count(); ++i)
        entries << combo.itemText(i);
    return entries;
}

} // namespace razo::test
