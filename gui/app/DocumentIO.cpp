#include "gui/app/DocumentIO.h"

#include <QDir>
#include <QFile>

#include "core/app/DocumentReader.h"
#include "core/app/FileMessages.h"
#include "gui/view/ScintillaTextControl.h"

namespace razo {
namespace {

// The bytes of a file on their way into the control: a leading byte order mark is taken off,
// the encoding is checked on the same pieces.
class ControlSink : public ReadSink {
public:
    explicit ControlSink(ScintillaTextControl& control) : m_control(control) {}

    void Begin(std::int64_t expectedSize) override { m_control.BeginLoad(expectedSize); }

    void Append(std::string_view bytes) override {
        if (m_head.size() < Utf8ByteOrderMark.size()) {
            const size_t wanted = Utf8ByteOrderMark.size() - m_head.size();
            m_head.append(bytes.substr(0, wanted));
            bytes.remove_prefix(std::min(wanted, bytes.size()));
            if (m_head.size() < Utf8ByteOrderMark.size())
                return;
            TakeHead();
        }
        Put(bytes);
    }

    // Returns whether the text started with a byte order mark that stays out of it.
    bool Finish() {
        if (!m_headTaken)
            TakeHead();
        const bool utf8 = m_check.Valid();
        // In an 8-bit document the three bytes are characters like any other.
        const bool keptApart = m_byteOrderMark && utf8;
        m_control.EndLoad(utf8, m_byteOrderMark && !utf8 ? Utf8ByteOrderMark : std::string_view());
        return keptApart;
    }

private:
    void TakeHead() {
        m_headTaken = true;
        m_byteOrderMark = m_head == Utf8ByteOrderMark;
        if (!m_byteOrderMark)
            Put(m_head);
    }
    void Put(std::string_view bytes) {
        m_check.Feed(bytes);
        m_control.AppendLoaded(bytes);
    }

    ScintillaTextControl& m_control;
    Utf8Check m_check;
    std::string m_head;
    bool m_headTaken = false;
    bool m_byteOrderMark = false;
};

} // namespace

QString ShownPath(const std::string& path) {
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(path)));
}

std::string SystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

std::string DocumentBackupFolder() {
    QString base = qEnvironmentVariable("XDG_CACHE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + "/.cache";
    return SystemPath(base + "/razo/saving");
}

bool LoadDocumentFile(const std::string& path, ScintillaTextControl& control, bool& byteOrderMark,
                      QString& error) {
    ControlSink sink(control);
    const ReadOutcome outcome = ReadDocumentBytes(path, MaxDocumentBytes, sink);
    if (outcome.status == ReadOutcome::Read) {
        byteOrderMark = sink.Finish();
        return true;
    }
    error =
        QString::fromStdString(OpenFailureMessage(outcome, ShownPath(path).toStdString(), MaxDocumentBytes));
    return false;
}

bool LoadDocumentBytes(std::string_view bytes, ScintillaTextControl& control) {
    ControlSink sink(control);
    sink.Begin(static_cast<std::int64_t>(bytes.size()));
    sink.Append(bytes);
    return sink.Finish();
}

SaveOutcome SaveDocumentFile(const std::string& path, const std::vector<std::string_view>& pieces,
                             const std::optional<FileStamp>& expected) {
    SaveOptions options;
    options.backupFolder = DocumentBackupFolder();
    options.expected = expected;
    return SaveFileSafely(path, pieces, options);
}

QString SaveFailureText(const SaveOutcome& outcome, const std::string& path) {
    return QString::fromStdString(SaveFailureMessage(outcome, ShownPath(path).toStdString(),
                                                     ShownPath(outcome.keptBackup).toStdString(),
                                                     ShownPath(DocumentBackupFolder()).toStdString()));
}

bool SaveDocumentFile(const std::string& path, const std::vector<std::string_view>& pieces, QString& error) {
    const SaveOutcome outcome = SaveDocumentFile(path, pieces, std::nullopt);
    if (!outcome.saved)
        error = SaveFailureText(outcome, path);
    return outcome.saved;
}

} // namespace razo
