#include "gui/dialogs/ControlWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/dialogs/Colours.h"
#include "gui/dialogs/CompleterKeys.h"

namespace razo {

namespace {

QString Q(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The average width of a letter, the horizontal base of dialog units.
int AverageLetterWidth(const QFontMetrics& metrics) {
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(letters) + 26) / 52;
}

int CharsWide(int chars, const QFontMetrics& metrics) {
    return chars * AverageLetterWidth(metrics);
}

QComboBox* CreateCombo(const ControlTemplate& control, const QFontMetrics& metrics) {
    auto* combo = new QComboBox;
    combo->setEditable(control.kind == ControlKind::EditableCombo);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumContentsLength(8);
    for (const auto& entry : control.entries)
        AddComboEntry(*combo, Q(entry), control.sorted);
    if (combo->isEditable()) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        // What is typed stays what is typed: remembered entries that match are offered in a
        // popup, never filled in, so Return confirms the text as typed. URLs and file names
        // differ by letter case, so matching keeps it.
        if (QCompleter* completer = combo->completer()) {
            completer->setCompletionMode(QCompleter::PopupCompletion);
            completer->setCaseSensitivity(Qt::CaseSensitive);
            CompleterKeys::Attach(*completer);
        }
    }
    combo->setCurrentIndex(-1);
    if (control.widthHint > 0)
        combo->setMinimumWidth(DialogUnitsToPixelsX(control.widthHint, metrics));
    return combo;
}

QLineEdit* CreateEdit(const ControlTemplate& control, const QFontMetrics& metrics) {
    auto* edit = new QLineEdit;
    const int frame = 2 * metrics.horizontalAdvance(QLatin1Char('x'));
    edit->setFixedWidth(control.widthHint > 0 ? DialogUnitsToPixelsX(control.widthHint, metrics)
                                              : CharsWide(10, metrics) + frame);
    return edit;
}

QLabel* CreateSwatch(const QFontMetrics& metrics) {
    auto* label = new QLabel(QStringLiteral("Sample "));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(CharsWide(9, metrics));
    PaintSwatch(*label, CColourSwatch{});
    return label;
}

QString ColourName(Rgb colour) {
    return QStringLiteral("#%1%2%3")
        .arg(RedOf(colour), 2, 16, QLatin1Char('0'))
        .arg(GreenOf(colour), 2, 16, QLatin1Char('0'))
        .arg(BlueOf(colour), 2, 16, QLatin1Char('0'));
}

// The index of the mnemonic letter ("&x") in a caption, -1 for none.
int MnemonicIndex(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return i + 1;
        ++i;
    }
    return -1;
}

int FreeLetter(const QString& caption, const QString& taken, bool wordStartsOnly) {
    for (int i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (!c.isLetterOrNumber() || taken.contains(c.toLower()))
            continue;
        if (!wordStartsOnly || i == 0 || !caption[i - 1].isLetterOrNumber())
            return i;
    }
    return -1;
}

} // namespace

QWidget* CreateControlWidget(const ControlTemplate& control, const QFontMetrics& metrics) {
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(Q(control.text));
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Edit:
        return CreateEdit(control, metrics);
    case ControlKind::EditableCombo:
    case ControlKind::ListCombo:
        return CreateCombo(control, metrics);
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(Q(control.text));
        if (control.textOnLeft)
            box->setLayoutDirection(Qt::RightToLeft);
        return box;
    }
    case ControlKind::RadioButton:
        return new QRadioButton(Q(control.text));
    case ControlKind::PushButton: {
        // Return presses it while it has the focus, as Space does, instead of OK.
        auto* button = new QPushButton(Q(control.text));
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::ColourSwatch:
        return CreateSwatch(metrics);
    case ControlKind::GroupBox:
        break;
    }
    return nullptr;
}

bool HasSeparateLabel(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::EditableCombo:
    case ControlKind::ListCombo:
        return !control.text.empty();
    default:
        return false;
    }
}

void AddComboEntry(QComboBox& combo, const QString& text, bool sorted) {
    int at = combo.count();
    if (sorted) {
        at = 0;
        while (at < combo.count() && QString::compare(combo.itemText(at), text, Qt::CaseInsensitive) <= 0)
            ++at;
    }
    const bool hadNoSelection = combo.currentIndex() < 0;
    const QString editText = combo.isEditable() ? combo.currentText() : QString();
    combo.insertItem(at, text);
    // Adding an entry never changes what the field shows.
    if (hadNoSelection) {
        combo.setCurrentIndex(-1);
        if (combo.isEditable())
            combo.setEditText(editText);
    }
}

void PaintSwatch(QLabel& label, const CColourSwatch& swatch) {
    label.setStyleSheet(
        QStringLiteral("QLabel { color: %1; background-color: %2; border: 1px solid #808080; }")
            .arg(ColourName(swatch.m_crText), ColourName(swatch.m_crBack)));
}

QStringList AssignMnemonics(const QStringList& captions, QString taken) {
    taken = taken.toLower();
    for (const QString& caption : captions) {
        const int at = MnemonicIndex(caption);
        if (at >= 0)
            taken += caption[at].toLower();
    }
    QStringList result;
    for (const QString& caption : captions) {
        if (MnemonicIndex(caption) >= 0 || caption.contains(QLatin1Char('&'))) {
            result << caption;
            continue;
        }
        int at = FreeLetter(caption, taken, true);
        if (at < 0)
            at = FreeLetter(caption, taken, false);
        if (at < 0) {
            result << caption;
            continue;
        }
        taken += caption[at].toLower();
        result << caption.left(at) + QLatin1Char('&') + caption.mid(at);
    }
    return result;
}

int DialogUnitsToPixelsX(int units, const QFontMetrics& metrics) {
    return (units * AverageLetterWidth(metrics) + 2) / 4;
}

int DialogUnitsToPixelsY(int units, const QFontMetrics& metrics) {
    return (units * metrics.height() + 4) / 8;
}

} // namespace razo
