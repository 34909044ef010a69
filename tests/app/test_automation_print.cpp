#include "app/AutomationScript.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>

namespace {

// A control made inside the window under the name "Probe", and what
// "print Probe" must log for it.
struct PrintCase {
    const char* label;
    std::function<void(QWidget* window)> make;
    QString logged;
};

class ScriptTest : public tandrel::test::TestEnv {
protected:
    QStringList run(const QStringList& commands)
    {
        const QString log = tempDir.filePath("script.log");
        AutomationScript script(&window, {}, log, [](int) { return false; });
        for (const QString& c : commands)
            script.Execute(c);
        QFile f(log);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QWidget window;
};

class PrintTest : public ScriptTest, public ::testing::WithParamInterface<PrintCase> {};

template <class W>
W* probe(QWidget* window)
{
    auto* w = new W(window);
    w->setObjectName("Probe");
    return w;
}

TEST_P(PrintTest, LogsTheShownValue)
{
    GetParam().make(&window);
    window.show();
    EXPECT_EQ(run({"print Probe"}), QStringList{"Probe=" + GetParam().logged});
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PrintTest,
    ::testing::Values(
        PrintCase{"label", [](QWidget* w) { probe<QLabel>(w)->setText("Gesamt:\n12 kWp"); }, "Gesamt:\\n12 kWp"},
        PrintCase{"edit", [](QWidget* w) { probe<QLineEdit>(w)->setText("10,5"); }, "10,5"},
        PrintCase{"spin_box", [](QWidget* w) { probe<QSpinBox>(w)->setValue(42); }, "42"},
        PrintCase{"double_spin_box",
                  [](QWidget* w) {
                      auto* s = probe<QDoubleSpinBox>(w);
                      s->setLocale(QLocale(QLocale::German, QLocale::Germany));
                      s->setValue(2.25);
                  },
                  "2,25"},
        PrintCase{"check_box", [](QWidget* w) { probe<QCheckBox>(w)->setChecked(true); }, "1"},
        PrintCase{"radio_button_off", [](QWidget* w) { probe<QRadioButton>(w); }, "0"},
        PrintCase{"push_button", [](QWidget* w) { probe<QPushButton>(w)->setText("   PDF-Ausgabe "); },
                  "   PDF-Ausgabe "},
        PrintCase{"combo_box",
                  [](QWidget* w) {
                      auto* c = probe<QComboBox>(w);
                      c->addItems({"europäisch", "nordamerikanisch"});
                      c->setCurrentIndex(1);
                  },
                  "nordamerikanisch"},
        PrintCase{"list_widget",
                  [](QWidget* w) {
                      auto* l = probe<QListWidget>(w);
                      l->addItems({"Modul A", "Modul B"});
                      l->setCurrentRow(1);
                  },
                  "Modul B"},
        PrintCase{"list_widget_without_current_row", [](QWidget* w) { probe<QListWidget>(w)->addItem("x"); }, ""},
        PrintCase{"tree_widget_row",
                  [](QWidget* w) {
                      auto* t = probe<QTreeWidget>(w);
                      t->setColumnCount(3);
                      t->addTopLevelItem(new QTreeWidgetItem(QStringList{"Müller", "Berlin", "10115"}));
                      t->addTopLevelItem(new QTreeWidgetItem(QStringList{"Schulz", "Bonn", "53111"}));
                      t->setCurrentItem(t->topLevelItem(1), 2);
                  },
                  "Schulz | Bonn | 53111"},
        PrintCase{"tree_view_child_row",
                  [](QWidget* w) {
                      auto* model = new QStandardItemModel(w);
                      auto* parent = new QStandardItem("Dach");
                      parent->appendRow({new QStandardItem("Fenster"), new QStandardItem("2")});
                      model->appendRow({parent, new QStandardItem("1")});
                      auto* v = probe<QTreeView>(w);
                      v->setModel(model);
                      v->setCurrentIndex(model->index(0, 0, model->index(0, 0)));
                  },
                  "Fenster | 2"},
        PrintCase{"grid_current_cell",
                  [](QWidget* w) {
                      auto* t = probe<QTableWidget>(w);
                      t->setRowCount(2);
                      t->setColumnCount(2);
                      t->setItem(1, 0, new QTableWidgetItem("2011"));
                      t->setItem(1, 1, new QTableWidgetItem("28,74"));
                      t->setCurrentCell(1, 1);
                  },
                  "28,74"},
        PrintCase{"tab_widget",
                  [](QWidget* w) {
                      auto* t = probe<QTabWidget>(w);
                      t->addTab(new QWidget, "Haus 3D");
                      t->addTab(new QWidget, "Druckansicht");
                      t->setCurrentIndex(1);
                  },
                  "Druckansicht"},
        PrintCase{"slider", [](QWidget* w) { probe<QSlider>(w)->setValue(37); }, "37"},
        PrintCase{"plain_text_edit", [](QWidget* w) { probe<QPlainTextEdit>(w)->setPlainText("a\nb"); }, "a\\nb"},
        PrintCase{"group_box", [](QWidget* w) { probe<QGroupBox>(w)->setTitle("Dach"); }, "Dach"}),
    tandrel::test::CaseName{});

TEST_F(ScriptTest, UnknownNameIsAnErrorLine)
{
    EXPECT_EQ(run({"print NoSuchControl"}), QStringList{"ERROR print NoSuchControl: no such name"});
}

TEST_F(ScriptTest, GridCellsAreSelectedAndTypedInto)
{
    auto* t = probe<QTableWidget>(&window);
    t->setRowCount(3);
    t->setColumnCount(2);
    window.show();
    EXPECT_EQ(run({"select Probe 2 1", "set Probe 7,5", "print Probe", "select Probe 9 0"}),
              QStringList({"Probe=7,5", "ERROR select Probe 9 0: no such row"}));
    ASSERT_NE(t->item(2, 1), nullptr);
    EXPECT_EQ(t->item(2, 1)->text(), "7,5");
}

} // namespace
