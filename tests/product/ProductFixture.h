#pragma once

#include "app/BaseFrameFactory.h"
#include "app/FrameIds.h"
#include "app/FInterfaceFrame.h"
#include "product/FKontaloProduktFrame.h"
#include "tests/support/MainWindowStub.h"
#include "tests/support/TestEnv.h"

#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QWidget>
#include <map>

namespace tandrel::test {

// Stands in for the address book: the edit fields the order form reads.
class FakeAddressFrame : public TBaseFrame {
public:
    explicit FakeAddressFrame(QWidget* parent) : TBaseFrame(parent)
    {
        for (const char* n : {"EditName1", "EditName2", "EditStrasse", "EditPLZ", "EditOrt", "EditTel", "EditFax",
                              "EditEMail", "EditBemerkung1", "EditBemerkung2"}) {
            auto* e = new QLineEdit(PanelMain);
            e->setObjectName(QString::fromLatin1(n));
        }
    }
    void set(const char* name, const QString& text) { findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text); }
};

struct ProductWorld;

// The brochure frame with a scripted address choice.
class TestProduktFrame : public TKontaloProduktFrame {
public:
    TestProduktFrame(QWidget* parent, ProductWorld& world) : TKontaloProduktFrame(parent), m_world(world) {}

protected:
    bool ChooseAddress(TBaseFrame* addressFrame) override;

private:
    ProductWorld& m_world;
};

// Creates the brochure (1110), plain frames for the directory and the map
// (4400, 4450) and the fake address book (6100, unless switched off).
class ProductFactory : public TBaseFrameFactory {
public:
    explicit ProductFactory(ProductWorld& world) : m_world(world) {}
    TBaseFrame* CreateFrame(int id) override;
    void ShutdownFactory() override
    {
        DestroyFrames();
        TBaseFrameFactory::ShutdownFactory();
    }

private:
    ProductWorld& m_world;
};

struct ProductWorld {
    bool addressBookExists = true;
    bool chooseAnswer = true;
    QList<int> created;                // frame IDs in creation order
    QList<int> currentAtChoice;        // the shown frame when the choice opened
    std::function<void(TBaseFrame*)> fillAddress;
};

class ProductTest : public TestEnv {
protected:
    ProductTest()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window.body.resize(1200, 800);
        workspace = std::make_unique<TInterfaceFrame>();
        workspace->InitInterface();
        factory.StartFactory(&window, workspace.get());
    }
    ~ProductTest() override
    {
        factory.ShutdownFactory();
        QLocale::setDefault(QLocale::c());
    }

    TKontaloProduktFrame* product()
    {
        factory.ShowFrame(FrameId::KontaloProdukt);
        return static_cast<TKontaloProduktFrame*>(factory.FindFrame(FrameId::KontaloProdukt));
    }

    ProductWorld world;
    tandrel::test::MainWindowStub window;
    std::unique_ptr<TInterfaceFrame> workspace;
    ProductFactory factory{world};
};

inline bool TestProduktFrame::ChooseAddress(TBaseFrame* addressFrame)
{
    m_world.currentAtChoice << (GetFactory()->GetCurrentFrame() ? GetFactory()->GetCurrentFrame()->GetFrameID() : 0);
    if (m_world.fillAddress)
        m_world.fillAddress(addressFrame);
    return m_world.chooseAnswer;
}

inline TBaseFrame* ProductFactory::CreateFrame(int id)
{
    QWidget* body = MainWindow ? MainWindow->GetBodyPanel() : nullptr;
    TBaseFrame* f = nullptr;
    if (id == 1110)
        f = new TestProduktFrame(body, m_world);
    else if (id == 6100 && m_world.addressBookExists)
        f = new FakeAddressFrame(body);
    else if (id == 4400 || id == 4450)
        f = new TBaseFrame(body);
    if (!f)
        return nullptr;
    m_world.created << id;
    AddFrame(f);
    f->InitFrame(body, nullptr, this, id);
    return f;
}

} // namespace tandrel::test
