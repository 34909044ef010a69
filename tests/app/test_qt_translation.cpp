#include "platform/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

QStringList buttonTexts(QWidget& dialog)
{
    QStringList texts;
    for (auto* box : dialog.findChildren<QDialogButtonBox*>())
        for (auto* b : box->buttons())
            texts << b->text().remove('&');
    return texts;
}

QStringList labelTexts(QWidget& dialog)
{
    QStringList texts;
    for (auto* l : dialog.findChildren<QLabel*>())
        texts << l->text().remove('&');
    return texts;
}

class QtTranslation : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (auto* t : qApp->findChildren<QTranslator*>("tandrelQtTranslator")) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

TEST_F(QtTranslation, ColourDialogSpeaksGermanUnderAGermanLocale)
{
    ASSERT_TRUE(tandrel::platform::installQtTranslation(QLocale(QLocale::German, QLocale::Germany)));
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    EXPECT_TRUE(buttonTexts(dialog).contains("Abbrechen")) << buttonTexts(dialog).join(", ").toStdString();
    EXPECT_FALSE(buttonTexts(dialog).contains("Cancel"));
    EXPECT_FALSE(labelTexts(dialog).contains("Basic colors"));
}

TEST_F(QtTranslation, SaveDialogSpeaksGermanUnderAGermanLocale)
{
    ASSERT_TRUE(tandrel::platform::installQtTranslation(QLocale(QLocale::German, QLocale::Austria)));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList buttons = buttonTexts(dialog);
    EXPECT_TRUE(buttons.contains("Speichern")) << buttons.join(", ").toStdString();
    EXPECT_TRUE(buttons.contains("Abbrechen")) << buttons.join(", ").toStdString();
    EXPECT_FALSE(labelTexts(dialog).contains("File name:"));
    EXPECT_FALSE(labelTexts(dialog).contains("Look in:"));
}

TEST_F(QtTranslation, AnotherLanguageStillGetsGermanDialogs)
{
    ASSERT_TRUE(tandrel::platform::installQtTranslation(QLocale(QLocale::English, QLocale::UnitedStates)));
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    EXPECT_TRUE(buttonTexts(dialog).contains("Abbrechen")) << buttonTexts(dialog).join(", ").toStdString();
}

} // namespace
