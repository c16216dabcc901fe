#pragma once
#include <QObject>
#include <memory>
#include <string>

#include "core/check/PageCheck.h"

namespace razo {

struct CheckJob;

// One check of a page on a thread of its own, so the window goes on taking keys while it runs.
// It checks a copy of the text taken at the start and never touches the page. Cancelling lets
// the thread go: it stops as soon as the checker looks at the request (the SGML parser cannot
// be stopped inside one token), and whatever it reports then is dropped, so nobody waits for it.
class BackgroundCheck : public QObject {
    Q_OBJECT
public:
    BackgroundCheck(std::string text, PageEncoding encoding, QObject* parent = nullptr);
    // Cancels a check still running.
    ~BackgroundCheck() override;

    void Cancel();
    bool Running() const;
    // How much of the page has been read, from 0 to 100.
    int Percent() const;

    // Checks whose threads have not ended yet in the whole program, cancelled ones too.
    static int Unfinished();
    // Waits up to `milliseconds` for every check thread to end and frees those that did; true
    // when none is left.
    static bool WaitForUnfinished(int milliseconds);

signals:
    // The report of a check that ran to its end; never sent after Cancel.
    void finished(const razo::CheckReport& report);

private:
    void Deliver();

    std::shared_ptr<CheckJob> m_job;
};

} // namespace razo
