// The Drawing Settings dialog on a case of its own: the unit lists follow the radio buttons,
// decimals apply at once, "Convert current coordinates" changes the numbers, "Close" only
// relabels them.
#include "case/CaseDocument.h"
#include "ui/app/DrawingSettingsDialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zorvane;

class DrawingSettingsTest : public QObject {
    Q_OBJECT

    struct Fixture {
        CaseDocument doc;
        int changed = 0, helped = 0;
        ui::DrawingSettingsDialog dialog{doc, [this] { ++helped; }};

        explicit Fixture(std::initializer_list<const char*> xs = {}) {
            doc.startNew(CaseMode::Xyz, ProgramOptions{}, "01/02/2024");
            int n = 1;
            for (const char* x : xs) {
                EntryFields f;
                f.number = std::to_string(n++);
                f.values = {x, "0"};
                doc.createOrModifyPoint(f);
            }
            dialog.setUnits(doc.state().units);
            doc.observe([this](unsigned changes) { changed += (changes & kUnitsChanged) ? 1 : 0; });
        }
        template <typename T> T* get(const char* name) { return dialog.findChild<T*>(name); }
        void click(const char* name) { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
        void choose(bool american, int index) {
            get<QRadioButton>(american ? "american" : "metric")->click();
            get<QComboBox>(american ? "americanUnits" : "metricUnits")->setCurrentIndex(index);
        }
        QString cell() const {
            const CaseState& st = doc.state();
            return QString::fromStdString(st.grid.cell(st.points, st.mode, 1, 1));
        }
    };

  private Q_SLOTS:
    void radioButtonsEnableTheirList() {
        Fixture f;
        QCOMPARE(f.dialog.windowTitle(), QString(" Drawing Settings"));
        QCOMPARE(f.get<QComboBox>("decimals")->itemText(4), QString("0.0000"));
        auto* metricList = f.get<QComboBox>("metricUnits");
        auto* americanList = f.get<QComboBox>("americanUnits");
        QVERIFY(metricList->isEnabled() && !americanList->isEnabled());
        f.choose(true, 2);
        QVERIFY(!metricList->isEnabled() && americanList->isEnabled());
        QCOMPARE(americanList->currentText(), QString("Feet & Inches"));
        QCOMPARE(f.dialog.choice().unit, int(kFeetInches));
        f.choose(false, 1);
        QVERIFY(metricList->isEnabled() && !americanList->isEnabled());
        QCOMPARE(f.dialog.choice().unit, int(kCentimeter));

        f.dialog.setUnits(UnitSettings{kInches, 4}); // shows a case's units, changes nothing
        QVERIFY(f.get<QRadioButton>("american")->isChecked() && americanList->isEnabled());
        QCOMPARE(f.dialog.choice(), (UnitSettings{kInches, 4}));
        QCOMPARE(f.doc.state().units, (UnitSettings{kMeter, 2}));
        QCOMPARE(f.changed, 0);
    }

    void decimalsApplyAtOnce() {
        Fixture f{"12.46"};
        f.get<QComboBox>("decimals")->setCurrentIndex(0);
        QCOMPARE(f.cell(), QString("12"));
        f.get<QComboBox>("decimals")->setCurrentIndex(2);
        QCOMPARE(f.cell(), QString("12.46"));
        QCOMPARE(f.changed, 2);
    }

    void closeRelabelsWithoutConverting() {
        Fixture f{"10"};
        f.choose(true, 2);
        f.click("close");
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.doc.state().units.unit, int(kFeetInches));
        QCOMPARE(f.doc.state().points[0].m1, 10.0);
        f.doc.setDecimals(2); // the next rebuild shows the same number in feet and inches
        QCOMPARE(f.cell(), QString("10' 0\""));
        f.click("help");
        QCOMPARE(f.helped, 1);
    }

    void convertChangesTheNumbers() {
        Fixture f{"10"};
        f.choose(true, 0);
        f.click("convert");
        QCOMPARE(f.doc.state().units.unit, int(kDecimalFeet));
        QCOMPARE(f.cell(), QString("32.81"));
        QCOMPARE(f.changed, 1);

        Fixture none;
        none.choose(true, 1);
        none.click("convert");
        QCOMPARE(none.doc.state().units.unit, int(kMeter));
        QCOMPARE(none.changed, 0);
    }
};

QTEST_MAIN(DrawingSettingsTest)
#include "tst_drawing_settings.moc"
