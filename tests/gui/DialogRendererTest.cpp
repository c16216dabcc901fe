// The dialog renderer on the offscreen platform, driven by key presses and clicks: expandable
// layouts, refused fields, colour fields, sorted lists, Browse, Help, Enter and Escape.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/dialogs/Colours.h"
#include "core/dialogs/DataExchange.h"
#include "core/dialogs/DialogBase.h"
#include "core/dialogs/DialogHost.h"
#include "core/dialogs/DialogTemplate.h"
#include "core/dialogs/UrlHistory.h"
#include "core/elements/Blocks.h"
#include "core/help/TemplateRegistry.h"
#include "core/settings/IniProfile.h"
#include "core/settings/SettingsKeys.h"
#include "gui/app/QtUserPrompts.h"
#include "gui/dialogs/DialogWindow.h"
#include "gui/dialogs/QtDialogRunner.h"
#include "gui/dialogs/WidgetFieldAccess.h"
#include "tests/support/FakeUserPrompts.h"
#include "tests/support/ScriptedWindow.h"
#include "tests/support/TempDir.h"

using namespace razo;
using razo::test::Entries;

namespace {

using blocks::IdAlign;
using blocks::IdNoShade;
using blocks::IdSize;
using blocks::IdWidth;

// The controls of the test dialogs below.
enum : int {
    IdColourName = 1229,
    IdColourNumber = 1042,
    IdColourSelect = 1231,
    IdColourSample = 1045,
    IdOrder = 1100,
    IdUrl = 1036,
    IdBrowse = 1003,
};

// A colour field as the body and font dialogs have it.
class ColourDialog : public DialogBase<ColourDialog> {
public:
    static DialogTemplate MakeTemplate() {
        DialogTemplate made;
        made.idd = 901;
        made.title = "Colour";
        made.width = 200;
        made.height = 40;
        made.colourFields = {
            {"TEXT", "Text", IdColourName, IdColourNumber, IdColourSelect, {IdColourSample}}};
        made.controls = ColourFieldControls(made.colourFields.front());
        return made;
    }
    void DoDataExchange(CDataExchange& dx) override {
        DDX_CBString(dx, IdColourName, m_strName);
        DDX_ColourNumber(dx, IdColourNumber, m_strNumber);
    }
    std::string m_strName, m_strNumber;
};

// A sorted list given out of order and a URL field filled from the remembered URLs.
class ListsDialog : public DialogBase<ListsDialog> {
public:
    static DialogTemplate MakeTemplate() {
        DialogTemplate made;
        made.idd = 902;
        made.title = "Lists";
        made.controls = {ListCombo(IdOrder, "Order:", {"right", "Left", "center"}).Sorted(),
                         UrlCombo(IdUrl, "URL:"),
                         BrowseButton(IdBrowse, IdUrl, browse::LinkTitle, browse::ImageFilter)};
        return made;
    }
    explicit ListsDialog(IniProfile& profile) : m_profile(profile) {}
    void DoDataExchange(CDataExchange& dx) override {
        DDX_CBString(dx, IdOrder, m_strOrder);
        DDX_Text(dx, IdUrl, m_strUrl);
    }
    std::string m_strOrder, m_strUrl;
    IniProfile& m_profile;
};

// Two radio groups, a list and an edit; records what it is told of.
class FieldsDialog : public DialogBase<FieldsDialog> {
public:
    enum { IdFirstA = 2001, IdSecondA, IdFirstB, IdSecondB, IdList, IdText };
    static DialogTemplate MakeTemplate() {
        DialogTemplate made;
        made.idd = 903;
        made.title = "Fields";
        made.controls = {GroupBox("Size", 2),
                         RadioButton(IdFirstA, "Small").GroupStart(),
                         RadioButton(IdSecondA, "Large"),
                         RadioButton(IdFirstB, "Left").GroupStart(),
                         RadioButton(IdSecondB, "Right").Beside(),
                         ListCombo(IdList, "Kind:", {"disc", "circle"}),
                         Edit(IdText, "Text:")};
        return made;
    }
    void OnFieldChanged(int id, DialogHost&) override { changed.push_back(id); }
    std::vector<int> changed;
};

// A kind list that enables a labelled field, and a button that opens a sub-dialog whose OK
// fills that field.
class SwitchDialog : public DialogBase<SwitchDialog> {
public:
    enum { IdKind = 2101, IdSize, IdPick, IdValue };
    class Value : public DialogBase<Value> {
    public:
        static DialogTemplate MakeTemplate() {
            return MakeDialogTemplate(905, "Value", 120, 30, false, "", {Edit(IdValue, "Value:")});
        }
        void DoDataExchange(CDataExchange& dx) override { DDX_RequiredNumber(dx, IdValue, m_strValue); }
        std::string m_strValue;
    };
    static DialogTemplate MakeTemplate() {
        return MakeDialogTemplate(904, "Switch", 180, 50, false, "",
                                  {ListCombo(IdKind, "Kind:", {"text", "image"}),
                                   Edit(IdSize, "Size:").Disabled(), PushButton(IdPick, "Pick...")});
    }
    void OnFieldChanged(int id, DialogHost& host) override {
        if (id == IdKind)
            host.Fields().EnableControl(IdSize, host.Fields().GetText(IdKind) == "text");
        if (id == IdPick) {
            Value value;
            if (host.RunModal(value))
                host.Fields().SetText(IdSize, value.m_strValue);
        }
    }
    void DoDataExchange(CDataExchange& dx) override { DDX_OptionalNumber(dx, IdSize, m_strSize); }
    std::string m_strSize;
};

// Any registered template; a push button that is neither Browse nor Select opens a sub-dialog, as
// Add Row and Enter Coords do.
template <class Base> class ButtonsDialog : public Base {
public:
    using Base::Base;
    void OnFieldChanged(int id, DialogHost& host) override {
        const ControlTemplate* control = this->Template().Find(id);
        if (control && control->kind == ControlKind::PushButton) {
            SwitchDialog::Value value;
            host.RunModal(value);
        }
    }
};

// What a push button of a template opens.
QString OpensWhat(const DialogTemplate& t, const ControlTemplate& button) {
    if (button.browse)
        return "QFileDialog";
    for (const ColourFieldSpec& field : t.colourFields)
        if (field.selectId == button.id)
            return "QColorDialog";
    return "razo::DialogWindow";
}

} // namespace

class DialogRendererTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<IniProfile> m_profile;
    std::unique_ptr<test::FakeUserPrompts> m_prompts;
    std::unique_ptr<QtDialogRunner> m_runner;
    std::vector<int> m_helpContexts;

    // Plays `script` against the dialog's window; what RunModal returned.
    bool Run(CDialog& dialog, std::function<void(DialogWindow&)> script) {
        return test::RunScripted(*m_runner, dialog, std::move(script));
    }

    void SetLayout(int remember, int lastExpanded) {
        Write(*m_profile, settings::RememberLayout, remember);
        Write(*m_profile, settings::LastLayoutExpanded, lastExpanded);
    }

    template <class Widget> static Widget* Field(DialogWindow& window, int id) {
        return qobject_cast<Widget*>(window.Control(id));
    }

private slots:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        m_profile = std::make_unique<IniProfile>(m_dir->File("RAZO.INI"));
        m_prompts = std::make_unique<test::FakeUserPrompts>();
        m_helpContexts.clear();
        m_runner = std::make_unique<QtDialogRunner>(
            *m_profile, *m_prompts, [this](int context) { m_helpContexts.push_back(context); });
    }

    void expandableToggledTwiceKeepsItsSize() {
        CHorizontalRuleDialog dialog(*m_profile);
        QSize first, toggled, back;
        Run(dialog, [&](DialogWindow& window) {
            first = window.size();
            QTest::mouseClick(window.Control(IdToggle), Qt::LeftButton);
            toggled = window.size();
            QTest::mouseClick(window.Control(IdToggle), Qt::LeftButton);
            back = window.size();
        });
        QVERIFY(toggled.height() > first.height());
        QCOMPARE(toggled.width(), first.width());
        QCOMPARE(back, first);
        // The same from the keyboard: the toggle's mnemonic follows its caption.
        Run(dialog, [&](DialogWindow& window) {
            QTest::keyClick(&window, Qt::Key_3, Qt::AltModifier);
            QTRY_COMPARE(window.size(), toggled);
            QTest::keyClick(&window, Qt::Key_2, Qt::AltModifier);
            QTRY_COMPARE(window.size(), first);
        });
    }

    void shortLayoutHidesAndDisablesExpandedPart() {
        CHorizontalRuleDialog dialog(*m_profile);
        Run(dialog, [&](DialogWindow& window) {
            for (int id : {IdAlign, IdSize, IdWidth, IdNoShade}) {
                QVERIFY(!window.Control(id)->isVisible());
                QVERIFY(!window.Control(id)->isEnabled());
            }
            QVERIFY(window.Control(IdOk)->isVisible());
            QTest::mouseClick(window.Control(IdToggle), Qt::LeftButton);
            for (int id : {IdAlign, IdSize, IdWidth, IdNoShade}) {
                QVERIFY(window.Control(id)->isVisible());
                QVERIFY(window.Control(id)->isEnabled());
            }
            // Every visible control lies inside the window.
            for (QWidget* child : window.findChildren<QWidget*>()) {
                if (child->isVisible() && !child->isWindow())
                    QVERIFY2(window.rect().contains(QRect(child->mapTo(&window, QPoint()), child->size())),
                             qPrintable(child->objectName() + child->metaObject()->className()));
            }
        });
    }

    void initialLayoutFollowsSettings_data() {
        QTest::addColumn<int>("remember");
        QTest::addColumn<int>("lastExpanded");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("toggle");
        QTest::newRow("remembered expanded") << 1 << 1 << "Heading (HTML 3.2)"
                                             << "<< HTML&2.0";
        QTest::newRow("not remembered") << 0 << 1 << "Heading (HTML 2.0)"
                                        << "HTML&3.2 >>";
        QTest::newRow("remembered short") << 1 << 0 << "Heading (HTML 2.0)"
                                          << "HTML&3.2 >>";
    }
    void initialLayoutFollowsSettings() {
        QFETCH(int, remember);
        QFETCH(int, lastExpanded);
        QFETCH(QString, title);
        QFETCH(QString, toggle);
        SetLayout(remember, lastExpanded);
        CHeadingDialog dialog(*m_profile);
        Run(dialog, [&](DialogWindow& window) {
            QCOMPARE(window.windowTitle(), title);
            QCOMPARE(Field<QPushButton>(window, IdToggle)->text(), toggle);
            QCOMPARE(window.Control(IdAlign)->isVisible(), remember && lastExpanded);
        });
    }

    void refusedWidthKeepsDialogOpenOnTheField() {
        SetLayout(1, 1);
        CHorizontalRuleDialog dialog(*m_profile);
        const bool ok = Run(dialog, [&](DialogWindow& window) {
            auto* width = Field<QLineEdit>(window, IdWidth);
            width->setFocus();
            QTest::keyClicks(width, "-5");
            QTest::keyClick(&window, Qt::Key_Return);
            QVERIFY(window.isVisible());
            QCOMPARE(m_prompts->Texts(), std::vector<std::string>{messages::CanOnlyEnterNumerals});
            QCOMPARE(QApplication::focusWidget(), width);
            QCOMPARE(width->selectedText(), QString("-5"));
            QTest::keyClicks(width, "080"); // replaces the selection
            QTest::keyClick(&window, Qt::Key_Return);
        });
        QVERIFY(ok);
        QCOMPARE(dialog.m_strWidth, std::string("80"));
    }

    // A value refused while its field is hidden in the short layout: the dialog expands to show
    // it, with the focus on it and its text selected. The layout is still stored only by OK.
    void refusedHiddenFieldIsShownAndFocused() {
        SetLayout(1, 1);
        CHorizontalRuleDialog dialog(*m_profile);
        Run(dialog, [&](DialogWindow& window) {
            auto* width = Field<QLineEdit>(window, IdWidth);
            width->setFocus();
            QTest::keyClicks(width, "-5");
            QTest::mouseClick(window.Control(IdToggle), Qt::LeftButton); // to the short layout
            QVERIFY(!width->isVisibleTo(&window));
            QTest::mouseClick(window.Control(IdOk), Qt::LeftButton);
            QVERIFY(window.isVisible());
            QVERIFY(width->isVisibleTo(&window));
            QCOMPARE(window.windowTitle(), QString("Horizontal Rule (HTML 3.2)"));
            QCOMPARE(QApplication::focusWidget(), width);
            QCOMPARE(width->selectedText(), QString("-5"));
            window.reject();
        });
        QCOMPARE(Read(*m_profile, settings::LastLayoutExpanded), 1);
    }

    void labelMnemonicFocusesItsField() {
        SetLayout(1, 1);
        CHorizontalRuleDialog dialog(*m_profile);
        Run(dialog, [&](DialogWindow& window) {
            QTest::keyClick(&window, Qt::Key_W, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), window.Control(IdWidth));
            QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), window.Control(IdSize));
        });
    }

    void colourNameAndNumberExcludeEachOther() {
        ColourDialog dialog;
        m_prompts->colourAnswers.push_back(MakeRgb(0xFF, 0, 0));
        const bool ok = Run(dialog, [&](DialogWindow& window) {
            auto* names = Field<QComboBox>(window, IdColourName);
            auto* number = Field<QLineEdit>(window, IdColourNumber);
            auto* sample = Field<QLabel>(window, IdColourSample);
            number->setFocus();
            QTest::keyClicks(number, "abc");
            names->setFocus();
            QTest::keyClicks(names, "n"); // "navy"
            QCOMPARE(names->currentText(), QString("navy"));
            QCOMPARE(number->text(), QString());
            QVERIFY(sample->styleSheet().contains("color: #000080;"));

            number->setFocus();
            QTest::keyClicks(number, "00ff0");
            QCOMPARE(names->currentText(), QString("navy")); // not a colour number yet
            QTest::keyClicks(number, "0");
            QCOMPARE(names->currentText(), QString("(None)"));
            QVERIFY(sample->styleSheet().contains("color: #00ff00;"));

            QTest::mouseClick(window.Control(IdColourSelect), Qt::LeftButton);
            QCOMPARE(number->text(), QString("FF0000"));
            QVERIFY(sample->styleSheet().contains("color: #ff0000;"));
            number->setFocus();
            QTest::keyClick(number, Qt::Key_Return);
        });
        QVERIFY(ok);
        QCOMPARE(m_prompts->colourRequests, std::vector<unsigned>{MakeRgb(0, 0xFF, 0)});
        QCOMPARE(dialog.m_strName, std::string("(None)"));
        QCOMPARE(dialog.m_strNumber, std::string("FF0000"));
    }

    void sortedListsShowAlphabeticalOrder() {
        for (const char* url : {"zeta.html", "alpha.html", "Beta.html"})
            SaveUrlHistory(*m_profile, settings::UrlHistorySection, url);
        ListsDialog dialog(*m_profile);
        Run(dialog, [&](DialogWindow& window) {
            auto* order = Field<QComboBox>(window, IdOrder);
            auto* urls = Field<QComboBox>(window, IdUrl);
            QCOMPARE(Entries(*order), QStringList({"center", "Left", "right"}));
            QCOMPARE(order->currentIndex(), -1);
            QCOMPARE(Entries(*urls), QStringList({"alpha.html", "Beta.html", "zeta.html"}));
            QCOMPARE(urls->currentText(), QString());
            // Wide enough for a URL.
            QVERIFY(urls->width() >= 40 * urls->fontMetrics().averageCharWidth());
        });
    }

    void enterPressesOkAndEscapeCancels_data() {
        QTest::addColumn<int>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ok");
        QTest::newRow("Enter in a list") << int(IdOrder) << int(Qt::Key_Return) << true;
        QTest::newRow("Enter in a URL field") << int(IdUrl) << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(IdUrl) << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape in a list") << int(IdOrder) << int(Qt::Key_Escape) << false;
        QTest::newRow("Escape in a URL field") << int(IdUrl) << int(Qt::Key_Escape) << false;
    }
    void enterPressesOkAndEscapeCancels() {
        QFETCH(int, focus);
        QFETCH(int, key);
        QFETCH(bool, ok);
        ListsDialog dialog(*m_profile);
        bool closedByKey = false;
        const bool result = Run(dialog, [&](DialogWindow& window) {
            QWidget* field = window.Control(focus);
            field->setFocus();
            QTest::keyClicks(QApplication::focusWidget(), focus == IdUrl ? "page.html" : "c");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            closedByKey = !window.isVisible();
        });
        QVERIFY(closedByKey);
        QCOMPARE(result, ok);
        if (ok)
            QCOMPARE(focus == IdUrl ? dialog.m_strUrl : dialog.m_strOrder,
                     std::string(focus == IdUrl ? "page.html" : "center"));
    }

    // Keys pressed while the remembered-URL popup is open, on the dialog's window as a keyboard
    // gives them; then whether the dialog is still open, the URL text and the focused control.
    void rememberedUrlPopupPassesOnTheDialogsKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("focus");
        QTest::newRow("Return confirms as typed") << "Return" << false << "p" << 0;
        QTest::newRow("keypad Enter too") << "Enter" << false << "p" << 0;
        QTest::newRow("an entry chosen, then Return") << "Down,Return" << true << "page.html" << int(IdUrl);
        QTest::newRow("Escape closes the popup") << "Escape" << true << "p" << int(IdUrl);
        QTest::newRow("a mnemonic moves at once") << "Alt+O,C" << true << "p" << int(IdOrder);
    }
    void rememberedUrlPopupPassesOnTheDialogsKeys() {
        QFETCH(QString, keys);
        QFETCH(bool, open);
        QFETCH(QString, url);
        QFETCH(int, focus);
        for (const char* entry : {"page.html", "pages/index.html"})
            SaveUrlHistory(*m_profile, settings::UrlHistorySection, entry);
        ListsDialog dialog(*m_profile);
        bool stillOpen = false;
        const bool ok = Run(dialog, [&](DialogWindow& window) {
            auto* urls = Field<QComboBox>(window, IdUrl);
            urls->setFocus();
            QTest::keyClicks(QApplication::focusWidget(), "p");
            QTRY_VERIFY(urls->completer()->popup()->isVisible());
            for (const QString& key : keys.split(',')) {
                const QKeyCombination press = QKeySequence(key)[0];
                QTest::keyClick(window.windowHandle(), press.key(), press.keyboardModifiers());
            }
            stillOpen = window.isVisible();
            if (!stillOpen)
                return;
            QVERIFY(!urls->completer()->popup()->isVisible());
            QCOMPARE(urls->currentText(), url);
            QTRY_VERIFY(window.Control(focus)->hasFocus());
            if (focus == IdOrder)
                QCOMPARE(Field<QComboBox>(window, IdOrder)->currentText(), QString("center"));
        });
        QCOMPARE(stillOpen, open);
        QCOMPARE(ok, !open);
        if (ok)
            QCOMPARE(dialog.m_strUrl, url.toStdString());
    }

    void browsePutsTheChosenFileIntoItsField() {
        Write(*m_profile, settings::WorkingDir, std::string("/home/site"));
        m_prompts->fileAnswers = {std::string("/home/site/img/logo.gif"), std::nullopt};
        ListsDialog dialog(*m_profile);
        Run(dialog, [&](DialogWindow& window) {
            QTest::mouseClick(window.Control(IdBrowse), Qt::LeftButton);
            QCOMPARE(Field<QComboBox>(window, IdUrl)->currentText(), QString("/home/site/img/logo.gif"));
            QTest::mouseClick(window.Control(IdBrowse), Qt::LeftButton); // cancelled
            QCOMPARE(Field<QComboBox>(window, IdUrl)->currentText(), QString("/home/site/img/logo.gif"));
        });
        QCOMPARE(m_prompts->fileRequests.size(), size_t(2));
        QCOMPARE(m_prompts->fileRequests[0].title, std::string(browse::LinkTitle));
        QCOMPARE(m_prompts->fileRequests[0].filter, std::string(browse::ImageFilter));
        QCOMPARE(m_prompts->fileRequests[0].startFolder, std::string("/home/site"));
    }

    // An arrow key in a radio group moves to the next choice and chooses it, round the group,
    // whether its buttons stand in a column or a row.
    void arrowKeysChooseInARadioGroup_data() {
        using D = FieldsDialog;
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("Down in a column") << int(D::IdFirstA) << int(Qt::Key_Down) << int(D::IdSecondA);
        QTest::newRow("Down from the last, round")
            << int(D::IdSecondA) << int(Qt::Key_Down) << int(D::IdFirstA);
        QTest::newRow("Up from the first, round") << int(D::IdFirstA) << int(Qt::Key_Up) << int(D::IdSecondA);
        QTest::newRow("Right in a row") << int(D::IdFirstB) << int(Qt::Key_Right) << int(D::IdSecondB);
        QTest::newRow("Down in a row") << int(D::IdFirstB) << int(Qt::Key_Down) << int(D::IdSecondB);
        QTest::newRow("Left in a row") << int(D::IdSecondB) << int(Qt::Key_Left) << int(D::IdFirstB);
    }
    void arrowKeysChooseInARadioGroup() {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        FieldsDialog dialog;
        Run(dialog, [&](DialogWindow& window) {
            window.Control(from)->setFocus();
            QTest::keyClick(window.windowHandle(), Qt::Key(key));
            QCOMPARE(QApplication::focusWidget(), window.Control(to));
            QVERIFY(qobject_cast<QAbstractButton*>(window.Control(to))->isChecked());
            QVERIFY(!qobject_cast<QAbstractButton*>(window.Control(from))->isChecked());
        });
        QCOMPARE(dialog.changed, std::vector<int>{to});
    }

    void fieldAccessReadsAndWritesTheWidgets() {
        using D = FieldsDialog;
        D dialog;
        Run(dialog, [&](DialogWindow& window) {
            WidgetFieldAccess fields(window);
            QCOMPARE(fields.GetRadioIndex(D::IdFirstA), -1);
            QTest::mouseClick(window.Control(D::IdSecondA), Qt::LeftButton);
            QCOMPARE(fields.GetRadioIndex(D::IdFirstA), 1);
            QCOMPARE(fields.GetRadioIndex(D::IdFirstB), -1); // groups are independent
            fields.SetRadioIndex(D::IdFirstB, 0);
            QCOMPARE(fields.GetRadioIndex(D::IdFirstB), 0);
            QCOMPARE(fields.GetRadioIndex(D::IdFirstA), 1);
            fields.SetRadioIndex(D::IdFirstA, -1);
            QCOMPARE(fields.GetRadioIndex(D::IdFirstA), -1);

            fields.SetText(D::IdList, "circle");
            QCOMPARE(fields.GetListIndex(D::IdList), 1);
            fields.SetText(D::IdList, "Circle"); // no entry is equal: nothing selected
            QCOMPARE(fields.GetListIndex(D::IdList), -1);
            QCOMPARE(fields.GetText(D::IdList), std::string());
            QVERIFY(!fields.SelectListString(D::IdList, "square"));
            QVERIFY(fields.SelectListString(D::IdList, "disc"));
            fields.SetListIndex(D::IdList, 1);
            QCOMPARE(fields.GetText(D::IdList), std::string("circle"));
            // Only the user's own choices were reported, not the writes above.
            QCOMPARE(dialog.changed, std::vector<int>{D::IdSecondA});
            dialog.changed.clear();
            window.Control(D::IdList)->setFocus();
            QTest::keyClick(window.Control(D::IdList), Qt::Key_Up);
            QCOMPARE(fields.GetText(D::IdList), std::string("disc"));
            QTest::keyClicks(window.Control(D::IdText), "ab");
            QCOMPARE(dialog.changed, (std::vector<int>{D::IdList, D::IdText, D::IdText}));
        });
    }

    void enablingGreysTheFieldWithItsLabel() {
        SwitchDialog dialog;
        const bool ok = Run(dialog, [&](DialogWindow& window) {
            QWidget* size = window.Control(SwitchDialog::IdSize);
            QWidget* label = window.Label(SwitchDialog::IdSize);
            QVERIFY(label != nullptr);
            QVERIFY(!size->isEnabled() && !label->isEnabled());
            auto* kind = Field<QComboBox>(window, SwitchDialog::IdKind);
            kind->setFocus();
            QTest::keyClicks(kind, "t"); // "text"
            QVERIFY(size->isEnabled() && label->isEnabled());
            QTest::keyClicks(size, "-4");
            QTest::keyClick(kind, Qt::Key_Down); // "image": the refused value no longer counts
            QVERIFY(!size->isEnabled() && !label->isEnabled());
            QTest::keyClick(kind, Qt::Key_Return);
        });
        QVERIFY(ok);
        QCOMPARE(dialog.m_strSize, std::string());
    }

    void subDialogIsModalToItsDialogAndFillsIt() {
        SwitchDialog dialog;
        QString subParent;
        bool subModal = false;
        const bool ok = Run(dialog, [&](DialogWindow& window) {
            auto* kind = Field<QComboBox>(window, SwitchDialog::IdKind);
            kind->setFocus();
            QTest::keyClicks(kind, "t");
            m_runner->onShow = [&](DialogWindow& sub) {
                QTimer::singleShot(0, &sub, [&] {
                    subParent = sub.parentWidget() ? sub.parentWidget()->windowTitle() : QString();
                    subModal = sub.isModal();
                    QWidget* value = sub.Control(SwitchDialog::IdValue);
                    QTest::keyClicks(value, "12");
                    QTest::keyClick(value, Qt::Key_Return);
                    if (sub.isVisible())
                        sub.reject();
                });
            };
            QTest::mouseClick(window.Control(SwitchDialog::IdPick), Qt::LeftButton);
            QCOMPARE(Field<QLineEdit>(window, SwitchDialog::IdSize)->text(), QString("12"));
            window.Control(SwitchDialog::IdSize)->setFocus();
            QTest::keyClick(window.Control(SwitchDialog::IdSize), Qt::Key_Return);
        });
        QVERIFY(ok);
        QCOMPARE(subParent, QString("Switch"));
        QVERIFY(subModal);
        QCOMPARE(dialog.m_strSize, std::string("12"));
    }

    // Return and Space press the button that has the focus; only in a field does Return mean OK.
    void returnPressesTheFocusedButton_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("stillOpen");
        QTest::addColumn<int>("helpShown");
        QTest::newRow("Return on Cancel") << int(IdCancel) << int(Qt::Key_Return) << false << 0;
        QTest::newRow("Return on Help") << int(IdHelp) << int(Qt::Key_Return) << true << 1;
        QTest::newRow("Space on Help") << int(IdHelp) << int(Qt::Key_Space) << true << 1;
        QTest::newRow("Return on the toggle") << int(IdToggle) << int(Qt::Key_Return) << true << 0;
        QTest::newRow("Return on OK") << int(IdOk) << int(Qt::Key_Return) << false << 0;
    }
    void returnPressesTheFocusedButton() {
        QFETCH(int, button);
        QFETCH(int, key);
        QFETCH(bool, stillOpen);
        QFETCH(int, helpShown);
        m_helpContexts.clear();
        SetLayout(1, 0);
        CHorizontalRuleDialog dialog(*m_profile);
        bool open = false;
        QString title;
        const bool ok = Run(dialog, [&](DialogWindow& window) {
            // Tab from the first field round to the button, as a person would.
            QWidget* target = window.Control(button);
            for (int i = 0; i < 10 && QApplication::focusWidget() != target; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), target);
            QTest::keyClick(target, Qt::Key(key));
            open = window.isVisible();
            title = window.windowTitle();
        });
        QCOMPARE(open, stillOpen);
        QCOMPARE(int(m_helpContexts.size()), helpShown);
        QCOMPARE(ok, button == IdOk);
        if (button == IdToggle)
            QCOMPARE(title, QString("Horizontal Rule (HTML 3.2)"));
    }

    void theFirstFieldHasTheFocusWhenTheDialogOpens() {
        ListsDialog dialog(*m_profile);
        Run(dialog, [&](DialogWindow& window) {
            QCOMPARE(QApplication::focusWidget(), window.Control(IdOrder));
            QVERIFY(window.Control(IdOrder)->hasFocus());
        });
    }

    void helpOpensTheDialogsTopic_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Help button by its mnemonic") << int(Qt::Key_H) << int(Qt::AltModifier);
        QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier);
    }
    void helpOpensTheDialogsTopic() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        m_helpContexts.clear();
        CHorizontalRuleDialog dialog(*m_profile);
        const bool ok = Run(dialog, [&](DialogWindow& window) {
            QTest::keyClick(&window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QTRY_COMPARE(m_helpContexts.size(), size_t(1));
            QVERIFY(window.isVisible());
        });
        QVERIFY(!ok);
        QCOMPARE(m_helpContexts, std::vector<int>{0x20000 + 158});
    }

    // Every push button a template holds, reached by Tab: Return opens its chooser or sub-dialog,
    // not OK; when that closes the focus is back on the button and Return opens it again.
    void returnOnAPushButtonOpensWhatItOpens_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("opens");
        const auto& all = AllDialogTemplates();
        for (size_t i = 0; i < all.size(); ++i)
            for (const ControlTemplate& control : all[i]->controls)
                if (control.kind == ControlKind::PushButton)
                    QTest::addRow("%d %s: %s %d", all[i]->idd, all[i]->title.c_str(), control.text.c_str(),
                                  control.id)
                        << int(i) << control.id << OpensWhat(*all[i], control);
    }
    void returnOnAPushButtonOpensWhatItOpens() {
        QFETCH(int, index);
        QFETCH(int, button);
        QFETCH(QString, opens);
        const DialogTemplate& t = *AllDialogTemplates()[size_t(index)];
        SetLayout(1, 1);
        Write(*m_profile, settings::WorkingDir, m_dir->File(""));
        QtUserPrompts prompts;
        QtDialogRunner runner(*m_profile, prompts);
        std::unique_ptr<CDialog> dialog;
        if (t.expandable)
            dialog = std::make_unique<ButtonsDialog<CExpandDialog>>(t, *m_profile);
        else
            dialog = std::make_unique<ButtonsDialog<CDialog>>(t);
        QStringList opened;
        DialogWindow* under = nullptr;
        // A chooser opened over the dialog is noted and cancelled; a sub-dialog is noted by the
        // script, which the runner plays against it too, and left to be cancelled.
        QTimer closer;
        connect(&closer, &QTimer::timeout, &closer, [&] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (under && modal && !qobject_cast<DialogWindow*>(modal) && modal->isVisible()) {
                opened << modal->metaObject()->className();
                modal->reject();
            }
        });
        closer.start(10);
        const bool ok = test::RunScripted(runner, *dialog, [&](DialogWindow& window) {
            if (under) {
                opened << window.metaObject()->className();
                return;
            }
            under = &window;
            window.EnableControl(button, true);
            QWidget* target = window.Control(button);
            for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), target);
            for (int press = 1; press <= 2; ++press) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QTRY_COMPARE(opened.size(), press);
                QVERIFY(window.isVisible());
                QTRY_COMPARE(QApplication::focusWidget(), target);
            }
        });
        QVERIFY(!ok);
        QCOMPARE(opened, QStringList({opens, opens}));
    }
};

QTEST_MAIN(DialogRendererTest)
#include "DialogRendererTest.moc"
