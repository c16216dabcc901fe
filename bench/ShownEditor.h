#pragma once
// A page's editor as the window shows it, for benchmarks that press keys on a large page: the
// real control, its adapter and a view, shown at a fixed size in the code font.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QKeyEvent>

#include "bench/BenchDocument.h"
#include "core/view/RazoView.h"
#include "gui/app/DocumentIO.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo::bench {

struct ShownEditor {
    RazoEditor editor;
    ScintillaTextControl control{editor};
    BenchDocument document;
    CRazoView view{control, document};
    explicit ShownEditor(bool colouring, bool wrap = false) {
        editor.resize(1000, 700);
        if (wrap)
            editor.setWrapMode(QsciScintilla::WrapWord);
        editor.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        editor.setSyntaxColouring(colouring);
        editor.setLineNumbers(true);
        editor.show();
        QCoreApplication::processEvents();
    }
    bool Open(const QString& path) {
        QString error;
        bool byteOrderMark = false;
        if (!LoadDocumentFile(path.toStdString(), control, byteOrderMark, error))
            return false;
        editor.repaint();
        return true;
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&editor, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(&editor, &release);
        editor.repaint();
        int line = 0;
        int column = 0;
        view.GetCaretLineCol(line, column);
        benchmark::DoNotOptimize(column);
    }
    // Lets the control style in the background until the whole page is styled (or `limitMs`).
    void SettleStyling(int limitMs) {
        QElapsedTimer timer;
        timer.start();
        const long length = control.TextLength();
        while (editor.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) < length &&
               timer.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
};

} // namespace razo::bench
