#include "ui/ModalDialogDriver.h"

#include "app/LanguageResources.h"
#include "model/Building.h"
#include "model/ChoiceCodes.h"
#include "model/BuildingElement.h"
#include "model/Decoration.h"
#include "model/DecorationManager.h"
#include "model/ModelwrightDoc.h"
#include "model/PartKind.h"
#include "model/PartSnapshot.h"
#include "settings/ProgramOptions.h"
#include "ui/BuildingDlg.h"
#include "ui/BuildingElementDlg.h"
#include "ui/DecorationDlg.h"
#include "ui/HeaderDlg.h"
#include "ui/ManufacturerDlg.h"
#include "ui/NumericEdit.h"
#include "ui/ObjectListBox.h"
#include "ui/OptionsPropertySheet.h"
#include "ui/PartPreview.h"
#include "ui/PlatformDlg.h"
#include "ui/TreeDlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <functional>
#include <limits>
#include <map>

namespace {

template <class T>
T& PartNamed(const CModelwrightDoc& document, const std::string& name)
{
    for (const auto& part : document.Parts().GetList())
        if (part->m_name == name && DynamicDowncast<T>(part.get()))
            return static_cast<T&>(*part);
    qFatal("the sample has no part named %s", name.c_str());
}

// A control's name for the messages: its object name, or its class within its parent's name.
QString NameOf(const QWidget* widget)
{
    if (!widget)
        return QStringLiteral("(nothing)");
    if (const auto* box = qobject_cast<const QDialogButtonBox*>(widget->parentWidget()))
        switch (box->standardButton(qobject_cast<QAbstractButton*>(const_cast<QWidget*>(widget)))) {
        case QDialogButtonBox::Ok:
            return QStringLiteral("OK");
        case QDialogButtonBox::Cancel:
            return QStringLiteral("Cancel");
        default:
            break;
        }
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    return QStringLiteral("%1 in %2").arg(QString::fromLatin1(widget->metaObject()->className()), NameOf(widget->parentWidget()));
}

// Opens every dialog of the program, one after the other, on the country station's parts, and
// runs visit on each while it is shown.
void VisitEveryDialog(CModelwrightDoc& document, const std::function<void(QDialog&)>& visit)
{
    const auto visitShown = [&visit](QDialog& dialog) {
        // A dialog opened from another is made active by the window manager, which the tests lack.
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitForWindowActive(&dialog))
            qWarning("%s did not become active", qPrintable(dialog.objectName()));
        visit(dialog);
    };
    WhenModal(visitShown);
    CTreeDlg().Edit(PartNamed<CTree>(document, "Linden tree"), document.Parts());
    WhenModal(visitShown);
    CPlatformDlg().Edit(PartNamed<CPlatform>(document, "Platform 1, covered"), document.Parts());

    CBuilding& station = PartNamed<CBuilding>(document, "Station building Lindenau");
    WhenModal([&](QDialog& building) {
        // The goods room, second in the building and first in the list, shown selected.
        Find<CObjectListBox>(building, "elements")->SelectObject(&station.GetElement(1));
        visitShown(building);
        Find<CObjectListBox>(building, "elements")->SelectObject(&station.GetElement(0));
        WhenModal([&](QDialog& element) {
            visitShown(element);
            Find<CObjectListBox>(element, "decorations")->SelectIndex(0);
            WhenModal(visitShown);
            Find<QPushButton>(element, "editDecoration")->click();
        });
        Find<QPushButton>(building, "editElement")->click();
    });
    CBuildingDlg().Edit(station, document.Parts());

    WhenModal([&](QDialog& header) {
        visitShown(header);
        WhenModal(visitShown);
        Find<QPushButton>(header, "editManufacturer")->click();
    });
    CHeaderDlg().Edit(*document.Parts().m_pHeader, document.Parts());

    CProgramOptions options;
    WhenModal(visitShown);
    EditOptions(options);
}

// The choices a dialog shows for its part: a group of choices with none checked, or a list
// showing no entry, could not show what the part holds.
QStringList UnshownChoices(QDialog& dialog)
{
    QStringList unshown;
    for (const QButtonGroup* group : dialog.findChildren<QButtonGroup*>())
        if (!group->checkedButton())
            unshown << QStringLiteral("%1 has none of %2 checked").arg(dialog.objectName(), group->objectName());
    for (const QComboBox* combo : dialog.findChildren<QComboBox*>())
        if (combo->currentIndex() < 0 || combo->currentText().isEmpty())
            unshown << QStringLiteral("%1 shows nothing in %2").arg(dialog.objectName(), combo->objectName());
    return unshown;
}

// Opens the dialog on the object, notes the choices it cannot show and presses OK, which must
// leave the part as it was.
void CheckChoicesShown(IObjectEditor& editor, CNamedObject& object, CObjectManager& owner, CNamedObject& part,
    const QString& what, QStringList& faults)
{
    const CPartSnapshot before = CPartSnapshot::Take(part);
    WhenModal([&](QDialog& dialog) {
        for (const QString& unshown : UnshownChoices(dialog))
            faults << what + QStringLiteral(": ") + unshown;
        DialogButton(dialog, QDialogButtonBox::Ok)->click();
    });
    if (!editor.Edit(object, owner))
        faults << what + QStringLiteral(": OK is not available");
    else if (!(CPartSnapshot::Take(part) == before))
        faults << what + QStringLiteral(": OK changed the part");
}

// The width an edit has for its text, inside its frame and margins.
int TextRoom(const QLineEdit& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QMargins margins = edit.textMargins();
    // The edit keeps two pixels each side of its text.
    return contents.width() - margins.left() - margins.right() - 4;
}

// How far the label's text reaches when drawn as the label draws it, at the screen's pixel
// density, with room to spare: glyphs drawn at double density may need more room than the
// label's measure says. In the label's own coordinates.
qreal InkEnd(const QLabel& label)
{
    const qreal ratio = label.devicePixelRatioF();
    const QRect contents = label.contentsRect();
    const QSize room(label.width() + 200, label.height());
    QImage image(room * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(label.font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(contents.left() + label.margin() + std::max(label.indent(), 0), 0, room.width(), room.height()),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, label.text());
    }
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return (x + 1) / ratio;
    return 0;
}

// The labels, buttons and number fields of a dialog that cannot show their whole text.
QStringList ClippedTexts(QDialog& dialog)
{
    QStringList clipped;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&dialog) || label->text().isEmpty() || label->wordWrap())
            continue;
        const QRect contents = label->contentsRect();
        const int needed = label->fontMetrics().size(Qt::TextShowMnemonic, label->text()).width() + 2 * label->margin();
        if (label->contentsRect().width() < needed)
            clipped << QStringLiteral("label \"%1\" is %2 wide for %3").arg(label->text()).arg(label->contentsRect().width()).arg(needed);
        else if (const qreal ink = InkEnd(*label); ink > contents.right() + 1)
            clipped << QStringLiteral("label \"%1\" is %2 wide for text drawn %3 wide").arg(label->text()).arg(contents.width()).arg(ink - contents.left());
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&dialog) && !button->text().isEmpty() && button->width() < button->minimumSizeHint().width())
            clipped << QStringLiteral("button \"%1\" is %2 wide for %3").arg(button->text()).arg(button->width()).arg(button->minimumSizeHint().width());
    const QString widestNumber = QString::number(std::numeric_limits<int>::max());
    for (const CNumericEdit* edit : dialog.findChildren<CNumericEdit*>()) {
        const int needed = edit->fontMetrics().horizontalAdvance(widestNumber);
        if (edit->isVisibleTo(&dialog) && TextRoom(*edit) < needed)
            clipped << QStringLiteral("%1 has %2 for %3 (%4 wide, at least %5)").arg(edit->objectName()).arg(TextRoom(*edit)).arg(needed).arg(edit->width()).arg(edit->minimumSizeHint().width());
    }
    return clipped;
}

// The controls Tab should reach: shown, enabled, taking the focus by Tab.
QList<QWidget*> TabStops(QDialog& dialog)
{
    QList<QWidget*> stops;
    for (QWidget* widget : dialog.findChildren<QWidget*>())
        if (widget->window() == &dialog && widget->isVisibleTo(&dialog) && widget->isEnabled()
            && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            stops << widget;
    return stops;
}

// Presses Tab from the control that has the focus until the focus comes back to it, at most
// twice as often as there are stops; the controls in the order they had the focus.
QList<QWidget*> TabWalk(QDialog& dialog)
{
    QList<QWidget*> walk;
    QWidget* first = QApplication::focusWidget();
    const qsizetype most = TabStops(dialog).size() * 2 + 4;
    for (QWidget* focused = first; focused && walk.size() < most;) {
        walk << focused;
        QTest::keyClick(focused, Qt::Key_Tab);
        focused = QApplication::focusWidget();
        if (focused == first)
            return walk;
    }
    walk << nullptr; // never came back
    return walk;
}

} // namespace

class TestDialogLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void tabWalksEveryControlAndComesBack();
    void everySamplePartShowsItsChoices_data();
    void everySamplePartShowsItsChoices();
    void labelsAndNumbersShowWhole_data();
    void labelsAndNumbersShowWhole();

private:
    QTemporaryDir m_configDir;
    CModelwrightDoc m_document;
};

void TestDialogLayout::initTestCase()
{
    QVERIFY(m_configDir.isValid());
    qputenv("XDG_CONFIG_HOME", m_configDir.path().toLocal8Bit());
    m_document.OpenDocumentFile(MW_EXAMPLES_DIR "/country-station.wo3");
}

// Tab goes through a dialog's fields as they are read, row by row, then OK and Cancel and last
// the preview, and from there back to the first field; no control is left out, none traps it.
void TestDialogLayout::tabWalksEveryControlAndComesBack()
{
    const QString preview = QStringLiteral("previewCanvas, previewIso, previewPlan, previewFront, previewSide, previewTop, "
                                           "previewFit, previewSameScale");
    const std::map<QString, QString> expected {
        {"TreeDlg", "description, catalogNo, price, partsPerPackage, units, deciduous, trunkHeight, trunkRadius, trunkColor, "
                    "topHeight, topRadius, topColor, freeText, OK, Cancel, " + preview},
        {"PlatformDlg", "description, catalogNo, units, price, partsPerPackage, length, width, height, topColor, sideColor, "
                        "coverPitched, poleHeight, roofHeight, edgeDistance, polesPerSide, roofColor, poleRound, poleColor, "
                        "poleDiameter, freeText, OK, Cancel, " + preview},
        {"BuildingDlg", "description, catalogNo, partsPerPackage, price, units, elements, newElement, editElement, deleteElement, "
                        "freeText, OK, Cancel, "
                        + preview},
        {"BuildingElementDlg", "description, blockHeight, blockWidth, blockDepth, blockColor, roofHeight, roofColor, "
                               "roofHipped, orientation90, x, y, z, decorations, newDecoration, freeText, OK, Cancel, " + preview},
        {"DecorationDlg", "description, x, z, width, height, wallFront, mainColor, innerColor, baseB, doorWithWindow, "
                          "windows1, OK, Cancel, " + preview},
        {"HeaderDlg", "description, author, version, currency, editManufacturer, editRepresentative, OK, Cancel"},
        {"ManufacturerDlg", "companyName, street, zipCode, town, country, phone, fax, mail, OK, Cancel"},
        {"OptionsPropertySheet", "qt_tabwidget_tabbar, language, winrailVersion, hexahedron, autosaveMinutes, backupOnSave, "
                                 "compileCommand, OK, Cancel"}};
    QStringList faults;
    QStringList visited;
    VisitEveryDialog(m_document, [&](QDialog& dialog) {
        visited << dialog.objectName();
        const QList<QWidget*> walk = TabWalk(dialog);
        QStringList names;
        for (const QWidget* widget : walk)
            names << NameOf(widget);
        if (walk.contains(nullptr))
            faults << QStringLiteral("%1: Tab never comes back to %2: %3").arg(dialog.objectName(), names.front(), names.join(", "));
        else if (const auto order = expected.find(dialog.objectName()); order == expected.end() || names.join(", ") != order->second)
            faults << QStringLiteral("%1: Tab goes %2").arg(dialog.objectName(), names.join(", "));
        for (QWidget* stop : TabStops(dialog))
            if (!walk.contains(stop))
                faults << QStringLiteral("%1: Tab never reaches %2").arg(dialog.objectName(), NameOf(stop));
        // Side by side in one group, the left one comes first; one below another comes after it.
        for (qsizetype index = 1; index < walk.size(); ++index) {
            const QWidget* before = walk[index - 1];
            const QWidget* after = walk[index];
            if (!before || !after || before->parentWidget() != after->parentWidget())
                continue;
            const QPoint from = before->mapTo(&dialog, QPoint(0, 0)), to = after->mapTo(&dialog, QPoint(0, 0));
            const bool sameRow = std::abs(from.y() - to.y()) <= before->height() / 2;
            if (sameRow ? to.x() < from.x() : to.y() < from.y())
                faults << QStringLiteral("%1: Tab goes back from %2 to %3").arg(dialog.objectName(), NameOf(before), NameOf(after));
        }
    });
    QCOMPARE(visited.size(), qsizetype(expected.size()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

void TestDialogLayout::everySamplePartShowsItsChoices_data()
{
    QTest::addColumn<QString>("sample");
    for (const char* sample : {"country-station", "town-park-trees", "goods-yard", "signal-box-and-house"})
        QTest::newRow(sample) << QString::fromLatin1(sample);
}

// Every sample holds only what the dialogs offer: each part, element and decoration opens with
// each of its choices shown, and OK puts back exactly what was there.
void TestDialogLayout::everySamplePartShowsItsChoices()
{
    QFETCH(QString, sample);
    CModelwrightDoc document;
    document.OpenDocumentFile((QStringLiteral(MW_EXAMPLES_DIR "/") + sample + QStringLiteral(".wo3")).toStdString());
    QStringList faults;
    int opened = 0;
    for (const auto& owned : document.Parts().GetList()) {
        CNamedObject& part = *owned;
        const QString name = QString::fromStdString(part.m_name);
        if (auto* building = DynamicDowncast<CBuilding>(&part)) {
            for (size_t index = 0; index < building->GetCount(); ++index) {
                CBuildingElement& element = building->GetElement(index);
                const QString elementName = name + QStringLiteral(" / ") + QString::fromStdString(element.m_name);
                for (size_t number = 0; element.m_decorations && number < element.m_decorations->GetCount(); ++number) {
                    CDecoration& decoration = element.m_decorations->GetDecoration(number);
                    CDecorationDlg dialog;
                    dialog.SetElement(&element, building->m_units != 0);
                    CheckChoicesShown(dialog, decoration, *element.m_decorations, part,
                        elementName + QStringLiteral(" / ") + QString::fromStdString(decoration.m_name), faults);
                    ++opened;
                }
                CBuildingElementDlg dialog;
                CheckChoicesShown(dialog, element, *building, part, elementName, faults);
                ++opened;
            }
            CBuildingDlg dialog;
            CheckChoicesShown(dialog, part, document.Parts(), part, name, faults);
        } else if (DynamicDowncast<CTree>(&part)) {
            CTreeDlg dialog;
            CheckChoicesShown(dialog, part, document.Parts(), part, name, faults);
        } else {
            CPlatformDlg dialog;
            CheckChoicesShown(dialog, part, document.Parts(), part, name, faults);
        }
        ++opened;
    }
    QVERIFY(opened > 3);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

void TestDialogLayout::labelsAndNumbersShowWhole_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(kLanguageEnglish);
    QTest::newRow("German") << int(kLanguageGerman);
    QTest::newRow("French") << int(kLanguageFrench);
    QTest::newRow("Dutch") << int(kLanguageDutch);
}

// In every language, and at double size too (the same test run so), every label and choice
// shows its whole text and every number field the widest whole number it takes.
void TestDialogLayout::labelsAndNumbersShowWhole()
{
    QFETCH(int, language);
    CLanguageResources languages(QStringList {QStringLiteral(MW_BIN_DIR)});
    languages.LoadLanguageDll(language);
    const QString scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR") : QStringLiteral("1");
    QStringList faults;
    VisitEveryDialog(m_document, [&](QDialog& dialog) {
        QVERIFY(SaveScreenshot(dialog, QStringLiteral("dialog_%1_%2x_%3").arg(QString::fromLatin1(QTest::currentDataTag()), scale, dialog.objectName())));
        for (const QString& clipped : ClippedTexts(dialog))
            faults << dialog.objectName() + QStringLiteral(": ") + clipped;
    });
    languages.LoadLanguageDll(kLanguageEnglish);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

QTEST_MAIN(TestDialogLayout)
#include "tst_dialog_layout.moc"
