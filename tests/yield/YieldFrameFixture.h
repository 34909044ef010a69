#pragma once

#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "app/KontaloRegistry.h"
#include "tests/support/TestEnv.h"
#include "tests/yield/GermanLocale.h"
#include "yield/FErtragFrame.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <memory>

// The yield frame made by the program's factory, with a German locale.
class YieldFrameTest : public tandrel::test::TestEnv {
protected:
    TErtragFrame* Open()
    {
        factory = std::make_unique<TFrameFactory>();
        frame = dynamic_cast<TErtragFrame*>(factory->CreateFrame(FrameId::Ertrag));
        return frame;
    }
    // Ends the program's side: FinishFrame writes the settings.
    void Close()
    {
        frame = nullptr;
        factory.reset();
    }
    QString Label(const char* name) const
    {
        auto* l = frame->findChild<QLabel*>(QString::fromLatin1(name));
        return l ? l->text() : QStringLiteral("<no label %1>").arg(QString::fromLatin1(name));
    }
    QString Memo(const char* name) const
    {
        auto* m = frame->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
        return m ? m->toPlainText() : QString();
    }

    GermanLocale german;
    std::unique_ptr<TFrameFactory> factory;
    TErtragFrame* frame = nullptr;
};
