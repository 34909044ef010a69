#pragma once

#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

// Two arrow buttons that step a whole-number position within a range and
// show it in an associated edit. A click first takes the edit's number (when
// it is one), then steps, writes the edit and calls OnClick.
class TUpDown : public QWidget {
public:
    TUpDown(const QString& name, int min, int max, QWidget* parent);

    void SetAssociate(QLineEdit* edit) { m_edit = edit; }
    QLineEdit* Associate() const { return m_edit; }
    int Position() const { return m_position; }
    // Clamps to the range; does not touch the edit.
    void SetPosition(int position);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    // One step up (+1) or down (-1), as a click on an arrow.
    void Step(int delta);

    std::function<void()> OnClick;

private:
    QLineEdit* m_edit = nullptr;
    int m_min, m_max, m_position;
};
