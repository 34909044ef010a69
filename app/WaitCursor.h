#pragma once

#include <QApplication>

// Shows the hourglass while it lives, however the routine ends.
class WaitCursor {
public:
    WaitCursor() : m_active(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_active)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_active;
};
