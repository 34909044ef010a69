#include "app/DialogPosition.h"

#include "app/BaseFrameFactory.h"
#include "app/KontaloRegistry.h"

#include <QWidget>

void RestoreDialogPosition(QWidget* dialog, const QString& section, int defaultLeft, int defaultTop)
{
    MKontaloRegistry reg;
    dialog->move(reg.ReadInteger(section, QStringLiteral("left"), defaultLeft),
                 reg.ReadInteger(section, QStringLiteral("top"), defaultTop));
}

void SaveDialogPosition(const QWidget* dialog, const QString& section)
{
    try {
        MKontaloRegistry reg;
        reg.WriteInteger(section, QStringLiteral("left"), dialog->x());
        reg.WriteInteger(section, QStringLiteral("top"), dialog->y());
    } catch (const std::exception& e) {
        ReportSettingsError(e);
    }
}
