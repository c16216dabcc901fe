// A dialog from the command to the window shown and closed again, as the real runner shows it:
// a small one, an expandable one, and the tallest. On the screen the platform gives; run with
// QT_QPA_PLATFORM=offscreen:configfile=tests/support/short-screen.json and QT_SCALE_FACTOR=2 to
// see the dialogs that scroll.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "core/dialogs/ExpandDialog.h"
#include "core/help/TemplateRegistry.h"
#include "core/settings/IniProfile.h"
#include "gui/app/QtUserPrompts.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"

namespace {

using namespace razo;

const DialogTemplate* TemplateNumbered(int idd) {
    for (const DialogTemplate* t : AllDialogTemplates())
        if (t->idd == idd)
            return t;
    return nullptr;
}

void BM_DialogShown(benchmark::State& state) {
    const DialogTemplate* shown = TemplateNumbered(int(state.range(0)));
    if (shown == nullptr) {
        state.SkipWithError("no such dialog");
        return;
    }
    state.SetLabel(shown->title);
    QTemporaryDir dir;
    IniProfile profile(dir.filePath("RAZO.INI").toStdString());
    QtUserPrompts prompts;
    QtDialogRunner runner(profile, prompts);
    runner.onShow = [](DialogWindow& window) { QTimer::singleShot(0, &window, &QDialog::reject); };
    for (auto _ : state) {
        std::unique_ptr<CDialog> dialog = shown->expandable ? std::make_unique<CExpandDialog>(*shown, profile)
                                                            : std::make_unique<CDialog>(*shown);
        runner.RunModal(*dialog);
    }
}

// Body (HTML 2.0), Inline Image, Audio or Video.
BENCHMARK(BM_DialogShown)->ArgName("idd")->Arg(151)->Arg(160)->Arg(320)->Unit(benchmark::kMillisecond);

} // namespace
