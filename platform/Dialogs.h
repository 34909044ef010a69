#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tandrel::platform {

// Every dialog that would wait for a person goes through this service, so tests
// and the automation mode can answer it.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Plain modal message box with an OK button.
    virtual void showMessage(const QString& text) = 0;
    // Modal question with "Ja"/"Nein"; true for yes.
    virtual bool askYesNo(const QString& text) = 0;
    // Modal question with the given buttons; the index of the one pressed,
    // -1 when the box was closed without choosing. Doubles that do not
    // answer it close the box.
    virtual int askChoice(const QString& text, const QStringList& buttons)
    {
        (void)text;
        (void)buttons;
        return -1;
    }
    // Colour dialog preset with `initial`; empty on cancel.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    // File dialogs; an empty string means cancel.
    virtual QString getOpenFileName(const QString& title, const QString& dir, const QString& filter) = 0;
    virtual QString getSaveFileName(const QString& title, const QString& dir, const QString& filter) = 0;
    virtual QString chooseFolder(const QString& title, const QString& dir) = 0;
};

// Qt's own dialogs, parented to the active window.
class QtDialogs final : public Dialogs {
public:
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    int askChoice(const QString& text, const QStringList& buttons) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    QString getOpenFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString getSaveFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& dir) override;
};

// Automation mode: every message text is appended to a file as one line and
// answered OK (or yes, or the first button); every other dialog is cancelled.
class LoggingDialogs final : public Dialogs {
public:
    explicit LoggingDialogs(QString logFile);
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    int askChoice(const QString& text, const QStringList& buttons) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    QString getOpenFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString getSaveFileName(const QString& title, const QString& dir, const QString& filter) override;
    QString chooseFolder(const QString& title, const QString& dir) override;

private:
    QString m_logFile;
};

} // namespace tandrel::platform
