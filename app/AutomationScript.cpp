#include "app/AutomationScript.h"

#include "platform/Shell.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>

AutomationScript::AutomationScript(QWidget* mainWindow, QStringList lines, QString logFile, ShowFrameFn showFrame)
    : m_mainWindow(mainWindow), m_lines(std::move(lines)), m_logFile(std::move(logFile)), m_showFrame(std::move(showFrame))
{
}

AutomationScript::~AutomationScript() = default;

std::unique_ptr<AutomationScript> AutomationScript::FromEnvironment(QWidget* mainWindow, ShowFrameFn showFrame)
{
    const QString path = qEnvironmentVariable("TANDREL_SCRIPT");
    if (path.isEmpty())
        return nullptr;
    const QString log = qEnvironmentVariable("TANDREL_SCRIPT_LOG");
    QFile f(path);
    QStringList lines;
    if (f.open(QIODevice::ReadOnly | QIODevice::Text))
        lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    auto script = std::make_unique<AutomationScript>(mainWindow, lines, log, std::move(showFrame));
    if (!f.isOpen())
        script->Error(QStringLiteral("script ") + path, QStringLiteral("cannot be read"));
    return script;
}

void AutomationScript::Start()
{
    ScheduleNext();
}

void AutomationScript::ScheduleNext()
{
    if (Finished())
        return;
    // A fresh timer for each command: the previous one may still be inside a
    // modal dialog's event loop.
    QPointer<AutomationScript> self(this);
    QTimer::singleShot(0, this, [self] {
        if (!self || self->Finished())
            return;
        const QString line = self->m_lines.at(self->m_next++);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("wait "))) {
            self->WaitForFile(trimmed.mid(5).trimmed(), line, QDeadlineTimer(kWaitLimitMs));
            return;
        }
        self->ScheduleNext();
        self->Execute(line);
    });
}

void AutomationScript::WaitForFile(const QString& file, const QString& line, QDeadlineTimer deadline)
{
    if (QFileInfo::exists(file)) {
        ScheduleNext();
        return;
    }
    if (deadline.hasExpired()) {
        Error(line, QStringLiteral("the file did not appear"));
        ScheduleNext();
        return;
    }
    QPointer<AutomationScript> self(this);
    QTimer::singleShot(20, this, [self, file, line, deadline] {
        if (self)
            self->WaitForFile(file, line, deadline);
    });
}

void AutomationScript::Log(const QString& line)
{
    if (m_logFile.isEmpty())
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    else
        tandrel::platform::appendLine(m_logFile, line);
}

void AutomationScript::Error(const QString& line, const QString& why)
{
    Log(QStringLiteral("ERROR %1: %2").arg(line, why));
}

static QObject* findIn(QObject* root, const QStringList& path)
{
    QObject* current = root;
    for (const QString& part : path) {
        if (current->objectName() == part && current == root && path.size() > 1)
            continue;
        QObject* found = current->objectName() == part && path.size() == 1 ? current : nullptr;
        if (!found) {
            // Prefer a visible widget where several share the name.
            const auto all = current->findChildren<QObject*>(part);
            for (QObject* o : all) {
                auto* w = qobject_cast<QWidget*>(o);
                if (!w || w->isVisible()) {
                    found = o;
                    break;
                }
            }
            if (!found && !all.isEmpty())
                found = all.first();
        }
        if (!found)
            return nullptr;
        current = found;
    }
    return current;
}

QObject* AutomationScript::Find(const QString& name) const
{
    const QStringList path = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (path.isEmpty())
        return nullptr;
    QList<QWidget*> roots;
    if (QWidget* modal = QApplication::activeModalWidget())
        roots << modal;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !roots.contains(w))
            roots << w;
    if (m_mainWindow && !roots.contains(m_mainWindow))
        roots << m_mainWindow;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!roots.contains(w))
            roots << w;
    for (QWidget* root : roots)
        if (QObject* o = findIn(root, path))
            return o;
    return nullptr;
}

static void clickWidget(QWidget* w)
{
    const QPointF centre(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// Press, release, the second press of a double click, release: what the
// window system sends for a double click.
static void doubleClickWidget(QWidget* w)
{
    const QPointF centre(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(centre);
    QPointer<QWidget> alive(w);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        if (!alive)
            return;
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent e(type, centre, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

// Press in the middle, move halfway and on by (dx, dy) pixels with the left
// button held, release there: what a drag with the mouse sends.
static void dragWidget(QWidget* w, int dx, int dy)
{
    const QPointF from(w->width() / 2.0, w->height() / 2.0);
    const QPointF to = from + QPointF(dx, dy);
    QPointer<QWidget> alive(w);
    const struct {
        QEvent::Type type;
        QPointF at;
        Qt::MouseButton button;
        Qt::MouseButtons held;
    } steps[] = {{QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton},
                 {QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton},
                 {QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton},
                 {QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton}};
    for (const auto& step : steps) {
        if (!alive)
            return;
        QMouseEvent e(step.type, step.at, w->mapToGlobal(step.at), step.button, step.held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

static QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

// What the user sees of an item view: a grid's current cell; a list or tree
// view's current row, its columns joined by " | ".
static QString itemViewText(QAbstractItemView* v)
{
    const QModelIndex current = v->currentIndex();
    if (!current.isValid() || !v->model())
        return {};
    if (qobject_cast<QTableView*>(v))
        return oneLine(current.data(Qt::DisplayRole).toString());
    QStringList columns;
    const QAbstractItemModel* model = v->model();
    for (int c = 0; c < model->columnCount(current.parent()); ++c)
        columns << oneLine(model->index(current.row(), c, current.parent()).data(Qt::DisplayRole).toString());
    return columns.join(QStringLiteral(" | "));
}

// The value a control shows, as one line.
static QString valueText(QObject* o)
{
    if (auto* e = qobject_cast<QLineEdit*>(o))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(o))
        return oneLine(l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->isCheckable() ? QString::number(b->isChecked() ? 1 : 0) : b->text();
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->currentText();
    if (auto* s = qobject_cast<QSpinBox*>(o))
        return QString::number(s->value());
    if (auto* s = qobject_cast<QDoubleSpinBox*>(o))
        return s->text();
    if (auto* s = qobject_cast<QAbstractSlider*>(o))
        return QString::number(s->value());
    if (auto* p = qobject_cast<QProgressBar*>(o))
        return QString::number(p->value());
    if (auto* t = qobject_cast<QPlainTextEdit*>(o))
        return oneLine(t->toPlainText());
    if (auto* t = qobject_cast<QTextEdit*>(o))
        return oneLine(t->toPlainText());
    if (auto* t = qobject_cast<QTabWidget*>(o))
        return t->currentIndex() < 0 ? QString() : t->tabText(t->currentIndex());
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->isCheckable() ? QString::number(g->isChecked() ? 1 : 0) : g->title();
    if (auto* v = qobject_cast<QAbstractItemView*>(o))
        return itemViewText(v);
    if (auto* a = qobject_cast<QAction*>(o))
        return a->isCheckable() ? QString::number(a->isChecked() ? 1 : 0) : QString::number(a->isVisible() && a->isEnabled() ? 1 : 0);
    if (auto* w = qobject_cast<QWidget*>(o)) {
        if (w->isWindow())
            return w->windowTitle();
        return QString::number(w->isVisible() ? 1 : 0);
    }
    return {};
}

void AutomationScript::Execute(const QString& rawLine)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return;
    const int firstSpace = line.indexOf(QLatin1Char(' '));
    const QString command = firstSpace < 0 ? line : line.left(firstSpace);
    const QString rest = firstSpace < 0 ? QString() : line.mid(firstSpace + 1);
    const int secondSpace = rest.indexOf(QLatin1Char(' '));
    const QString name = secondSpace < 0 ? rest : rest.left(secondSpace);
    const QString argument = secondSpace < 0 ? QString() : rest.mid(secondSpace + 1);

    if (command == QLatin1String("quit")) {
        if (m_mainWindow)
            QTimer::singleShot(0, m_mainWindow, &QWidget::close);
        return;
    }
    if (command == QLatin1String("show")) {
        bool ok = false;
        const int id = name.toInt(&ok);
        if (!ok || !m_showFrame)
            Error(line, QStringLiteral("bad frame ID"));
        else if (!m_showFrame(id))
            Error(line, QStringLiteral("no such frame"));
        return;
    }
    if (command == QLatin1String("grab")) {
        QWidget* target = m_mainWindow;
        if (!argument.isEmpty())
            target = qobject_cast<QWidget*>(Find(argument));
        if (!target) {
            Error(line, QStringLiteral("no such widget"));
            return;
        }
        // Layouts still pending would show a state no user ever sees.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        if (!target->grab().save(name))
            Error(line, QStringLiteral("cannot write the picture"));
        return;
    }

    static const QStringList known = {QStringLiteral("click"), QStringLiteral("set"), QStringLiteral("check"),
                                      QStringLiteral("select"), QStringLiteral("slide"), QStringLiteral("action"),
                                      QStringLiteral("print"), QStringLiteral("leave"),
                                      QStringLiteral("doubleclick"), QStringLiteral("drag")};
    if (!known.contains(command)) {
        Error(line, QStringLiteral("unknown command"));
        return;
    }
    QPointer<QObject> target = Find(name);
    if (!target) {
        Error(line, QStringLiteral("no such name"));
        return;
    }

    if (command == QLatin1String("print")) {
        Log(name + QLatin1Char('=') + valueText(target));
        return;
    }
    if (command == QLatin1String("doubleclick")) {
        if (auto* w = qobject_cast<QWidget*>(target))
            doubleClickWidget(w);
        else
            Error(line, QStringLiteral("not a widget"));
        return;
    }
    if (command == QLatin1String("drag")) {
        auto* w = qobject_cast<QWidget*>(target);
        const QStringList offsets = argument.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool okX = false, okY = false;
        const int dx = offsets.value(0).toInt(&okX), dy = offsets.value(1).toInt(&okY);
        if (!w)
            Error(line, QStringLiteral("not a widget"));
        else if (offsets.size() != 2 || !okX || !okY)
            Error(line, QStringLiteral("bad offset"));
        else
            dragWidget(w, dx, dy);
        return;
    }
    if (command == QLatin1String("leave")) {
        // As Tab away from the field: the edit takes what was typed.
        auto* w = qobject_cast<QWidget*>(target);
        if (!w) {
            Error(line, QStringLiteral("not a widget"));
            return;
        }
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(w, &out);
        return;
    }
    if (command == QLatin1String("action")) {
        if (auto* a = qobject_cast<QAction*>(target)) {
            a->trigger();
            return;
        }
        Error(line, QStringLiteral("not an action"));
        return;
    }
    if (command == QLatin1String("click")) {
        if (auto* a = qobject_cast<QAction*>(target))
            a->trigger();
        else if (auto* b = qobject_cast<QAbstractButton*>(target))
            b->click();
        else if (auto* w = qobject_cast<QWidget*>(target))
            clickWidget(w);
        return;
    }
    if (command == QLatin1String("set")) {
        if (auto* e = qobject_cast<QLineEdit*>(target)) {
            e->selectAll();
            e->insert(argument); // as typed: textEdited and textChanged
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(target)) {
            t->setPlainText(QString(argument).replace(QStringLiteral("\\n"), QStringLiteral("\n")));
        } else if (auto* t = qobject_cast<QTextEdit*>(target)) {
            t->setPlainText(QString(argument).replace(QStringLiteral("\\n"), QStringLiteral("\n")));
        } else if (auto* c = qobject_cast<QComboBox*>(target); c && c->isEditable()) {
            c->setEditText(argument);
        } else if (auto* s = qobject_cast<QAbstractSpinBox*>(target); s && s->findChild<QLineEdit*>()) {
            QLineEdit* e = s->findChild<QLineEdit*>();
            e->selectAll();
            e->insert(argument);
            s->interpretText();
        } else if (auto* v = qobject_cast<QAbstractItemView*>(target);
                   v && v->model() && v->currentIndex().isValid()) {
            // A grid cell as if typed: the model's edit value of the current cell.
            if (!v->model()->setData(v->currentIndex(), argument, Qt::EditRole))
                Error(line, QStringLiteral("cell cannot take text"));
        } else {
            Error(line, QStringLiteral("cannot take text"));
        }
        return;
    }
    if (command == QLatin1String("check")) {
        auto* b = qobject_cast<QAbstractButton*>(target);
        const bool want = argument.trimmed() == QLatin1String("1");
        if (b && b->isCheckable()) {
            if (b->isChecked() != want)
                b->click();
        } else if (auto* a = qobject_cast<QAction*>(target); a && a->isCheckable()) {
            if (a->isChecked() != want)
                a->trigger();
        } else {
            Error(line, QStringLiteral("not checkable"));
        }
        return;
    }
    bool ok = false;
    const QStringList numbers = argument.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const int number = numbers.value(0).toInt(&ok);
    if (command == QLatin1String("select")) {
        bool columnOk = true;
        const int column = numbers.size() > 1 ? numbers.at(1).toInt(&columnOk) : 0;
        if (!ok || !columnOk || numbers.size() > 2) {
            Error(line, QStringLiteral("bad index"));
        } else if (auto* c = qobject_cast<QComboBox*>(target)) {
            c->setCurrentIndex(number);
        } else if (auto* t = qobject_cast<QTabWidget*>(target)) {
            t->setCurrentIndex(number);
        } else if (auto* l = qobject_cast<QListWidget*>(target)) {
            l->setCurrentRow(number);
        } else if (auto* v = qobject_cast<QAbstractItemView*>(target); v && v->model()) {
            const QModelIndex index = v->model()->index(number, column);
            if (index.isValid())
                v->setCurrentIndex(index);
            else
                Error(line, QStringLiteral("no such row"));
        } else {
            Error(line, QStringLiteral("not selectable"));
        }
        return;
    }
    if (command == QLatin1String("slide")) {
        if (auto* s = qobject_cast<QAbstractSlider*>(target); s && ok)
            s->setValue(number);
        else if (auto* s = qobject_cast<QSpinBox*>(target); s && ok)
            s->setValue(number);
        else if (auto* s = qobject_cast<QDoubleSpinBox*>(target))
            s->setValue(QLocale().toDouble(argument.trimmed()));
        else
            Error(line, QStringLiteral("not a slider"));
        return;
    }
}
