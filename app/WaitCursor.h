#pragma once

#include <QApplication>

// Shows the hourglass (or another busy shape) while it lives, however the
// routine ends.
class WaitCursor {
public:
    explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor)
        : m_active(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_active)
            QApplication::setOverrideCursor(shape);
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
