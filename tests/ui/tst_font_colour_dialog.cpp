// The font dialog with its colour list: what it hands back when left alone, and when the
// size, style or colour change.
#include "model/LegendRecord.h"
#include "ui/app/FontColourDialog.h"
#include "view/FontSize.h"

#include <QComboBox>
#include <QFontDialog>
#include <QTest>

using namespace zorvane;

class FontColourDialogTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void untouchedKeepsTheStoredFontExactly() {
        // A face this desktop lacks and a colour none of the sixteen is.
        const FontChoice stored{"MS Sans Serif", -11, 0, 0x123456};
        ui::FontColourDialog dialog(stored);
        QCOMPARE(dialog.choice(), stored);
        QCOMPARE(dialog.colourList()->currentText(), QString("Custom"));
        QCOMPARE(dialog.colourList()->count(), 17);
    }

    void changedSizeStyleAndColourAreTaken() {
        ui::FontColourDialog dialog(FontChoice{"Liberation Sans", -13, 0, 0x000000});
        QCOMPARE(dialog.colourList()->currentText(), QString("Black"));
        QFont f("Liberation Sans");
        f.setPointSize(18);
        f.setBold(true);
        f.setUnderline(true);
        dialog.fontPart()->setCurrentFont(f);
        dialog.colourList()->setCurrentIndex(dialog.colourList()->findText("Red"));
        const FontChoice c = dialog.choice();
        QCOMPARE(QString::fromStdString(c.name), QString("Liberation Sans"));
        QCOMPARE(c.height, heightOfPointSize(18, ui::FontColourDialog::screenDpi()));
        QCOMPARE(c.style, std::uint8_t(kBold | kUnderline));
        QCOMPARE(c.colour, 0x0000FFu);
    }
};

QTEST_MAIN(FontColourDialogTest)
#include "tst_font_colour_dialog.moc"
