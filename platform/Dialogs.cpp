#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tandrel::platform {

static QWidget* dialogParent()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    if (QWidget* w = QApplication::activeWindow())
        return w;
    // Not yet activated (right after start): the program's visible window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() == Qt::Window)
            return w;
    return nullptr;
}

void QtDialogs::showMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, dialogParent());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::NoButton, dialogParent());
    box.setObjectName(QStringLiteral("MessageBox"));
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

int QtDialogs::askChoice(const QString& text, const QStringList& buttons)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::NoButton, dialogParent());
    box.setObjectName(QStringLiteral("MessageBox"));
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons)
        added << box.addButton(caption, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::ActionRole);
    box.exec();
    return int(added.indexOf(box.clickedButton()));
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial)
{
    QColor c = QColorDialog::getColor(initial, dialogParent(), QStringLiteral("Farbe"));
    if (!c.isValid())
        return std::nullopt;
    return c;
}

QString QtDialogs::getOpenFileName(const QString& title, const QString& dir, const QString& filter)
{
    return QFileDialog::getOpenFileName(dialogParent(), title, dir, filter);
}

QString QtDialogs::getSaveFileName(const QString& title, const QString& dir, const QString& filter)
{
    return QFileDialog::getSaveFileName(dialogParent(), title, dir, filter);
}

QString QtDialogs::chooseFolder(const QString& title, const QString& dir)
{
    return QFileDialog::getExistingDirectory(dialogParent(), title, dir);
}

LoggingDialogs::LoggingDialogs(QString logFile) : m_logFile(std::move(logFile)) {}

void LoggingDialogs::showMessage(const QString& text)
{
    appendLine(m_logFile, text);
}

bool LoggingDialogs::askYesNo(const QString& text)
{
    appendLine(m_logFile, text);
    return true;
}

int LoggingDialogs::askChoice(const QString& text, const QStringList& buttons)
{
    appendLine(m_logFile, text);
    return buttons.isEmpty() ? -1 : 0;
}

std::optional<QColor> LoggingDialogs::chooseColor(const QColor&) { return std::nullopt; }
QString LoggingDialogs::getOpenFileName(const QString&, const QString&, const QString&) { return {}; }
QString LoggingDialogs::getSaveFileName(const QString&, const QString&, const QString&) { return {}; }
QString LoggingDialogs::chooseFolder(const QString&, const QString&) { return {}; }

} // namespace tandrel::platform
