#include "gui/app/EditCommands.h"

#include <Qsci/qsciprinter.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "core/app/CommandRouter.h"
#include "core/resources/CommandIds.h"
#include "gui/app/FindReplaceDialog.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {
namespace {

void Print(RazoEditor& editor, EditServices& services) {
    QPrintDialog dialog(&services.printer(), services.dialogParent);
    if (editor.hasSelectedText())
        dialog.setOption(QAbstractPrintDialog::PrintSelection);
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = -1, to = -1;
    if (static_cast<QPrinter&>(services.printer()).printRange() == QPrinter::Selection) {
        int indexFrom = 0, indexTo = 0;
        editor.getSelection(&from, &indexFrom, &to, &indexTo);
    }
    services.printer().printRange(&editor, from, to);
}

void Preview(RazoEditor& editor, EditServices& services) {
    QPrintPreviewDialog dialog(&services.printer(), services.dialogParent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&editor, &services](QPrinter*) { services.printer().printRange(&editor); });
    dialog.exec();
}

bool ClipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

} // namespace

void RegisterEditCommands(CommandTarget& target, RazoEditor& editor, EditServices& services) {
    RazoEditor* e = &editor;
    EditServices* s = &services;
    const auto needsSelection = [e](CmdUI& ui) { ui.Enable(e->hasSelectedText()); };
    target.OnCommand(cmd::EditCut, [e] { e->cut(); });
    target.OnUpdate(cmd::EditCut, needsSelection);
    target.OnCommand(cmd::EditCopy, [e] { e->copy(); });
    target.OnUpdate(cmd::EditCopy, needsSelection);
    target.OnCommand(cmd::EditPaste, [e] { e->paste(); });
    target.OnUpdate(cmd::EditPaste, [](CmdUI& ui) { ui.Enable(ClipboardHasText()); });
    target.OnCommand(cmd::EditSelectAll, [e] { e->selectAll(); });
    target.OnUpdate(cmd::EditSelectAll, [e](CmdUI& ui) { ui.Enable(e->length() > 0); });
    const auto needsText = [e](CmdUI& ui) { ui.Enable(e->length() > 0); };
    target.OnCommand(cmd::EditFind, [s] { s->find().ShowFind(); });
    target.OnUpdate(cmd::EditFind, needsText);
    target.OnCommand(cmd::EditFindNext, [s] { s->find().FindNext(); });
    target.OnUpdate(cmd::EditFindNext, needsText);
    target.OnCommand(cmd::EditReplace, [s] { s->find().ShowReplace(); });
    target.OnUpdate(cmd::EditReplace, needsText);
    target.OnCommand(cmd::FilePrint, [e, s] { Print(*e, *s); });
    target.OnCommand(cmd::FilePrintPreview, [e, s] { Preview(*e, *s); });
}

void RunPrintSetup(QsciPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

} // namespace razo
