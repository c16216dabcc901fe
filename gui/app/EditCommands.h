#pragma once
#include <functional>

class QWidget;
class QsciPrinter;

namespace razo {

class CommandTarget;
class FindReplaceDialog;
class RazoEditor;

// What the editing commands of a document window share with the rest of the program.
// Made when first asked for: a window that only edits never pays for them.
struct EditServices {
    std::function<FindReplaceDialog&()> find;
    std::function<QsciPrinter&()> printer; // one for the program, so Print Setup applies to every print
    QWidget* dialogParent;
};

// The edit view's own commands on one editor: Cut, Copy, Paste, Select All, Find, Find Next,
// Replace, Print and Print Preview, with their update handlers.
void RegisterEditCommands(CommandTarget& target, RazoEditor& editor, EditServices& services);

// Print Setup, for the application.
void RunPrintSetup(QsciPrinter& printer, QWidget* parent);

} // namespace razo
