#include "profile/ui/FontChooserDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QKeyEvent>
#include <QListView>
#include <QTimer>

#include "base/Color.h"
#include "profile/ui/ColorComboBox.h"
#include "profile/ui/Fonts.h"

namespace zq {
namespace {

TEST(FontChooserDialogTest, ConfirmingWithoutChangesGivesTheFontBack) {
    // A family whose regular face is called "Book", with all four faces.
    if (!QFontDatabase::hasFamily("DejaVu Sans Mono")) GTEST_SKIP() << "DejaVu Sans Mono is not installed";
    for (const bool bold : {false, true}) {
        for (const bool italic : {false, true}) {
            const TFontRecord record{"DejaVu Sans Mono", 14, clTeal, bold, italic, true, false};
            FontChooserDialog chooser;
            chooser.SetChosenFont(record);
            EXPECT_EQ(chooser.ChosenFont(), record) << "bold " << bold << ", italic " << italic;
        }
    }
}

TEST(FontChooserDialogTest, ANameTheDesktopSubstitutesOpensOnTheFamilyShownInItsWeight) {
    FontChooserDialog chooser;
    const TFontRecord record{"courier", 10, 0, true, false, false, false};
    chooser.SetChosenFont(record);
    const TFontRecord chosen = chooser.ChosenFont();
    EXPECT_EQ(QString::fromStdString(chosen.Name), QFontInfo(ToQFont(record)).family());
    EXPECT_TRUE(chosen.Bold);
    EXPECT_FALSE(chosen.Italic);
    EXPECT_EQ(chooser.ColorBox->currentText(), "Black");
}

TEST(FontChooserDialogTest, TheReadableFontIsOfferedAndChosenWhenTheDesktopHasIt) {
    // ./run and ./test install it (fonts-opendyslexic).
    ASSERT_TRUE(QFontDatabase::hasFamily("OpenDyslexic"))
        << "fonts-opendyslexic is missing from this desktop";
    FontChooserDialog chooser;
    auto* families = chooser.FontPart->findChild<QListView*>();
    ASSERT_NE(families, nullptr);
    EXPECT_FALSE(
        families->model()
            ->match(families->model()->index(0, 0), Qt::DisplayRole, "OpenDyslexic", 1, Qt::MatchFixedString)
            .isEmpty())
        << "the chooser's list of families offers it";
    const TFontRecord readable{"OpenDyslexic", 24, clWhite, false, false, false, false};
    chooser.SetChosenFont(readable);
    EXPECT_EQ(chooser.ChosenFont().Name, "OpenDyslexic");
    EXPECT_EQ(chooser.ChosenFont().Size, 24);
}

TEST(FontChooserDialogTest, AFontTheDesktopLacksOpensOnAnotherAndChoosesOneThatIsThere) {
    FontChooserDialog chooser;
    chooser.SetChosenFont({"No Such Readable Font", 24, clBlack, false, false, false, false});
    EXPECT_TRUE(QFontDatabase::hasFamily(QString::fromStdString(chooser.ChosenFont().Name)))
        << "a profile naming a removed font still gets a font it can show";
}

TEST(FontChooserDialogTest, EscapeInTheFontPartCancelsTheWholeChooser) {
    bool stillOpen = false;
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<FontChooserDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(chooser->FontPart, &escape);
    });
    QTimer::singleShot(2000, [&stillOpen] {
        if (auto* chooser = qobject_cast<FontChooserDialog*>(QApplication::activeModalWidget())) {
            stillOpen = true;
            chooser->reject();
        }
    });
    EXPECT_EQ(FontChooserDialog::Choose(nullptr, TFontRecord{}), std::nullopt);
    EXPECT_FALSE(stillOpen);
}

}  // namespace
}  // namespace zq
